// Texts the player reads in the language the program speaks: translations and filled formats.
#include "platform/translation.h"

#include "platform/qt_text.h"

#include <QCoreApplication>
#include <vector>

std::u16string translate(const char* context, const char* source) {
    const QString translated = QCoreApplication::translate(context, source);
    // An empty translation would leave a blank where the player expects words.
    if (translated.isEmpty()) {
        return plainText(QString::fromUtf8(source));
    }
    return plainText(translated);
}

std::u16string fillIn(std::u16string_view format,
                      std::initializer_list<std::u16string_view> values) {
    const std::vector<std::u16string_view> filling(values);
    std::u16string text;
    text.reserve(format.size());
    for (std::size_t at = 0; at < format.size(); ++at) {
        const char16_t next = at + 1 < format.size() ? format[at + 1] : u'\0';
        const std::size_t number = next >= u'1' && next <= u'9' ? std::size_t(next - u'0') : 0;
        if (format[at] == u'%' && number >= 1 && number <= filling.size()) {
            text += filling[number - 1];
            ++at;
        } else {
            text += format[at];
        }
    }
    return text;
}
