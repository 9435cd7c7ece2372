// Access keys for menus in any language, underlined only while Alt is held.
#include "platform/menu_mnemonics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStyleFactory>
#include <algorithm>

QString MnemonicChooser::label(const QString& shown) {
    QString marked;
    bool chosen = false;
    for (const QChar character : shown) {
        const QString key = QString(character).toCaseFolded();
        if (!chosen && character.isLetterOrNumber() && !taken_.contains(key)) {
            marked += u'&';
            taken_ += key;
            chosen = true;
        }
        marked += character;
        if (character == u'&') {
            marked += u'&';
        }
    }
    return marked;
}

MnemonicsWhileAltHeld& MnemonicsWhileAltHeld::shared() {
    static QPointer<MnemonicsWhileAltHeld> style;
    if (!style) {
        // A fresh copy of the program's own style, which the proxy then owns.
        style = new MnemonicsWhileAltHeld(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
        qApp->installEventFilter(style);
    }
    return *style;
}

MnemonicsWhileAltHeld::MnemonicsWhileAltHeld(QStyle* base) : QProxyStyle(base) {}

void MnemonicsWhileAltHeld::apply(QWidget* widget) {
    widget->setStyle(this);
    std::erase_if(widgets_, [](const QPointer<QWidget>& gone) { return gone.isNull(); });
    widgets_.emplace_back(widget);
}

int MnemonicsWhileAltHeld::styleHint(StyleHint hint, const QStyleOption* option,
                                     const QWidget* widget, QStyleHintReturn* answer) const {
    if (hint != SH_UnderlineShortcut) {
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
    // A menu bar has the focus only while it is worked from the keyboard.
    const bool keyboardMode = qobject_cast<const QMenuBar*>(widget) && widget->hasFocus();
    return altHeld_ || keyboardMode ? 1 : 0;
}

bool MnemonicsWhileAltHeld::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        // The Alt key's own event may or may not carry the Alt modifier, depending on the
        // desktop; every other key's event says whether Alt is down.
        if (key->key() == Qt::Key_Alt) {
            setAltHeld(event->type() == QEvent::KeyPress);
        } else {
            setAltHeld((key->modifiers() & Qt::AltModifier) != 0);
        }
        break;
    }
    case QEvent::ApplicationDeactivate:
    case QEvent::WindowDeactivate:
        // Alt released in another program's window never reaches this one.
        setAltHeld(false);
        break;
    default:
        break;
    }
    return QProxyStyle::eventFilter(watched, event);
}

void MnemonicsWhileAltHeld::setAltHeld(bool held) {
    if (held == altHeld_) {
        return;
    }
    altHeld_ = held;
    for (const QPointer<QWidget>& widget : widgets_) {
        if (widget) {
            widget->update();
        }
    }
}
