// Access keys for menus whose labels come in any language: chosen from the label as shown, drawn
// underlined only while Alt is held.
#pragma once

#include <QPointer>
#include <QProxyStyle>
#include <QString>
#include <vector>

class QWidget;

// The access keys already given in one menu bar or one menu.
class MnemonicChooser {
  public:
    // The label as a menu takes it: a literal & doubled, and an & before the first letter or
    // digit whose key no earlier label of this menu holds (none when every one is taken). The
    // label shows as given; Alt and the key choose the entry.
    QString label(const QString& shown);

  private:
    QString taken_;
};

// The look of the widgets given to it: the program's style, with the access keys underlined
// only while Alt is held or the menu bar is worked from the keyboard, so that the menus look as
// their labels read.
class MnemonicsWhileAltHeld final : public QProxyStyle {
  public:
    // The one shared by every menu of the program, made on first use; it lives as long as the
    // application object.
    static MnemonicsWhileAltHeld& shared();

    // The widget draws with this style from now on and is redrawn when Alt goes up or down.
    void apply(QWidget* widget);
    bool altHeld() const { return altHeld_; }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    explicit MnemonicsWhileAltHeld(QStyle* base);
    void setAltHeld(bool held);

    bool altHeld_ = false;
    std::vector<QPointer<QWidget>> widgets_;
};
