#ifndef PANNEAUMEMORISE_H
#define PANNEAUMEMORISE_H

#include <QProxyStyle>

// The application's style, except that a line edit's panel and frame are drawn once per size,
// state and palette and then copied: the code line repaints whole on every keystroke, and an
// antialiased frame costs more to draw than its text.
class PanneauMemorise : public QProxyStyle
{
public:
    PanneauMemorise();
    ~PanneauMemorise() override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

#endif
