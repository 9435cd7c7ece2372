// Texts the player reads in the language the program speaks: translations and filled formats.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The translation of one of the program's English texts (UTF-8) in its context, or the English
// text itself when the program speaks English or the text has no translation. The translation
// files are made from these calls: context and source are always string literals.
std::u16string translate(const char* context, const char* source);

// The language the program speaks ("de", "pt_BR" ...), empty for English.
std::u16string spokenLanguage();

// The format with each %1 to %9 replaced by the value of that number, so that a translation puts
// the values where its language wants them. Values go in as they are (a "%1" inside one stays),
// and a number without a value stays in the text.
std::u16string fillIn(std::u16string_view format,
                      std::initializer_list<std::u16string_view> values);
