// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kf {

// A label that acts as a link: it reports clicks and the mouse passing over it. It takes the
// focus with Tab, shows it with a focus frame and the hover colour, and Enter or Space act on
// it like a click; screen readers see a link with a Press action. A disabled label reports
// neither clicks nor presses, like any disabled control.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

    // What a click does, from the keyboard or an assistive technology.
    void activate();

signals:
    void clicked();
    // The mouse is over the label or the focus is on it (true), or neither any more (false).
    void hovered(bool over);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
    bool m_mouseOver = false;
};

} // namespace kf
