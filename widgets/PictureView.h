// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QLabel>

namespace kf {

// A label that shows a picture of its own size and, when shown a new one, repaints only the part
// that differs from the last: a hand frame changes a few thousand of the keyboard picture's
// 166,000 pixels, and a full repaint copied all of them into the window and on to the X server
// three times a key. The picture is shared with the caller, not copied. A picture of another
// size than the label's is shown as a plain label's pixmap.
class PictureView : public QLabel {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr);

    void showPicture(const QImage& picture);
    // The same, when the caller knows that the new picture differs from the shown one only
    // within changed: nothing is compared.
    void showPicture(const QImage& picture, const QRect& changed);
    // What the label shows now, as it was handed over.
    QImage picture() const;

    // The smallest rectangle holding every pixel that differs between two pictures of one size
    // and one 32-bit format; the whole picture for any other pair, empty when they are equal.
    static QRect changedArea(const QImage& before, const QImage& after);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_picture; // null while a plain pixmap is shown
};

} // namespace kf
