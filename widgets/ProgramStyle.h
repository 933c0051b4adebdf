#pragma once

#include <QProxyStyle>

// The program's look over the style the application would have. A window
// locked while a dialog is open refuses input but keeps its look, as the
// program's windows always did: a control looks disabled only when it is
// disabled itself. A disabled menu item is highlighted under the pointer
// too, so that its hint tells the player what it would do.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Makes it the application's style, over the one the application has;
    // once, however often it is asked.
    static void install();

    // Whether a control looks enabled: unless it, or a panel it sits on, is
    // disabled below its window. The program's own painted controls ask it;
    // Qt's controls get it from the style.
    static bool looksEnabled(const QWidget* control);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    // The base style's icon, read from its files when first drawn.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override;

private:
    using QProxyStyle::QProxyStyle;

    // Runs `draw`; when `unlock` says that the control is disabled only
    // through its locked window, with the option showing it enabled.
    template <typename Draw> void drawUnlocked(const QStyleOption* option, bool unlock, Draw draw) const;

    // Set while a control's own drawing runs: the parts the base style
    // draws inside it take their state from it, and a part that the base
    // style disables itself (a spin box's arrow at its end) stays so.
    mutable bool drawing_ = false;
};
