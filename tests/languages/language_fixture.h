// What every language test needs: speaking a language, and the faults of a window's layout.
#pragma once

#include "platform/languages.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

// English (no translation) and the ten languages.
inline const std::vector<QString> kSpokenLanguages = {"en", "de", "fr", "es", "it",   "pt_BR",
                                                      "nl", "pl", "ru", "ja", "zh_CN"};
// Those and the pseudo-translation: every text 40% longer.
inline const std::vector<QString> kLanguages = [] {
    std::vector<QString> all = kSpokenLanguages;
    all.push_back(QStringLiteral("pseudo"));
    return all;
}();

// Has the program speak a language until the next call.
inline void speak(const QString& program, const QString& language) {
    static std::unique_ptr<QTranslator> pseudo;
    if (pseudo) {
        QCoreApplication::removeTranslator(pseudo.get());
        pseudo.reset();
    }
    removeTranslations();
    if (language == QStringLiteral("pseudo")) {
        pseudo = std::make_unique<QTranslator>();
        ASSERT_TRUE(pseudo->load(QStringLiteral(":/i18n-pseudo/%1_pseudo.qm").arg(program)));
        QCoreApplication::installTranslator(pseudo.get());
    } else if (language != QStringLiteral("en")) {
        installTranslations(program, {language});
    }
}

// A text that does not fit its widget, controls that overlap or leave the window, a window
// larger than the screen: each as a line naming it. Measured with the widgets' own fonts.
inline std::vector<std::string> layoutFaults(const QWidget& window) {
    std::vector<std::string> faults;
    auto fault = [&](const QString& what, const QWidget& widget, const QString& text) {
        faults.push_back(QStringLiteral("%1: %2: %3 in %4x%5")
                             .arg(window.windowTitle(), what, text)
                             .arg(widget.width())
                             .arg(widget.height())
                             .toStdString());
    };
    const QRect screen = window.screen()->availableGeometry();
    if (window.width() > screen.width() || window.height() > screen.height()) {
        fault(QStringLiteral("larger than the screen"), window, {});
    }
    std::vector<const QWidget*> shown;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<const QLabel*>(widget) ||
                             qobject_cast<const QAbstractButton*>(widget) ||
                             qobject_cast<const QLineEdit*>(widget) ||
                             qobject_cast<const QAbstractScrollArea*>(widget);
        if (!control || !widget->isVisibleTo(&window)) {
            continue;
        }
        shown.push_back(widget);
        const QFontMetrics metrics(widget->font());
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label && label->pixmap().isNull()) {
            const QRect room = label->contentsRect();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = metrics.boundingRect(room, flags, label->text());
            if (needed.width() > room.width() || needed.height() > room.height()) {
                fault(QStringLiteral("label cut"), *widget, label->text());
            }
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            const QStringList lines = button->text().split(u'\n');
            int width = 0;
            for (const QString& line : lines) {
                width = std::max(width, metrics.horizontalAdvance(line));
            }
            if (width > button->width() - 2 ||
                lines.size() * metrics.lineSpacing() > button->height()) {
                fault(QStringLiteral("button cut"), *widget, button->text());
            }
        }
        const QRect place(widget->mapTo(&window, QPoint()), widget->size());
        if (!window.rect().contains(place)) {
            fault(QStringLiteral("outside the window"), *widget, {});
        }
    }
    // A label covers its text or its picture, not its whole box; boxes converted from dialog
    // units may share one pixel row or column where the template has them meet.
    auto covered = [&window](const QWidget* widget) {
        const QRect box(widget->mapTo(&window, QPoint()), widget->size());
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (!label) {
            return box;
        }
        const QRect room = label->contentsRect().translated(box.topLeft());
        if (!label->pixmap().isNull()) {
            return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                       label->pixmap().deviceIndependentSize().toSize(), room)
                .intersected(box);
        }
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return QFontMetrics(label->font())
            .boundingRect(room, flags, label->text())
            .intersected(box);
    };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const QRect a = covered(shown[i]);
            const QRect b = covered(shown[j]);
            const QRect both = a.intersected(b);
            if (both.width() > 1 && both.height() > 1) {
                fault(QStringLiteral("overlap"), *shown[i],
                      QStringLiteral("%1,%2 and %3,%4 %5x%6")
                          .arg(a.x())
                          .arg(a.y())
                          .arg(b.x())
                          .arg(b.y())
                          .arg(b.width())
                          .arg(b.height()));
            }
        }
    }
    return faults;
}

// Runs `open`, which shows a modal window; looks at that window once it shows, then closes it.
inline void lookAtModal(const std::function<void()>& open,
                        const std::function<void(QDialog&)>& look) {
    bool looked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (modal && !looked) {
            looked = true;
            look(*modal);
            modal->done(0);
        }
    });
    poll.start(5);
    open();
    EXPECT_TRUE(looked);
}
