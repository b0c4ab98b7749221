// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ReportPanel.h"

#include "progress/NamesList.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace kf {

namespace {

// The text area stands 10 pixels in from the top left and right edges.
constexpr int kTextMargin = 10;
constexpr int kTextHeight = 424;
constexpr int kTextPixelSize = 15;
constexpr int kSmallestFontSize = 9;
constexpr int kLargestFontSize = 13;
constexpr int kFirstFontSize = 10;
constexpr QSize kShowPanelSize(82, 46);
constexpr int kShowPanelInset = 4;
// The hide button stands where the show button does; it reaches a little further to the right,
// inside the show panel, for a longer word ("Verbergen").
constexpr QSize kHideButtonSize(66, 24);

constexpr const char* kContext = "ReportPanel";

} // namespace

QRect ReportPanel::showPanelPlace(QSize client) {
    return {QPoint(client.width() - kShowPanelSize.width() - kShowPanelInset,
                   client.height() - kShowPanelSize.height() - kShowPanelInset),
            kShowPanelSize};
}

ReportPanel::ReportPanel(QWidget* parent)
    : PanelFrame(parent) {
    setObjectName(QStringLiteral("PanelReport"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
    const QSize client = parent->size();
    setGeometry(QRect(QPoint(0, 0), client));

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("MemoReport"));
    m_text->setAccessibleName(QCoreApplication::translate("ReportPanel", "Summary report"));
    m_text->setReadOnly(true);
    // A caret the arrow keys move, so a screen reader reads the report line by line.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kTextPixelSize);
    m_text->setFont(font);
    m_text->setGeometry(kTextMargin, kTextMargin, client.width() - 2 * kTextMargin, kTextHeight);

    const int row = kTextMargin + kTextHeight + 8; // 442
    auto* print = uiButton(QStringLiteral("ButtonPrintReport"), kContext,
                           QT_TRANSLATE_NOOP("ReportPanel", "Print Report"), this);
    print->setGeometry(10, row, 100, 28);
    auto* closeReport = uiButton(QStringLiteral("ButtonCloseReport"), kContext,
                                 QT_TRANSLATE_NOOP("ReportPanel", "Close"), this);
    closeReport->setGeometry(10, row + 34, 100, 28);

    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("ListBoxReportNames"));
    m_names->setAccessibleName(QCoreApplication::translate("ReportPanel", "User names"));
    m_names->setGeometry(122, row, 160, 62);

    auto* view = uiButton(QStringLiteral("ButtonReportViewName"), kContext,
                          QT_TRANSLATE_NOOP("ReportPanel", "View Report"), this);
    setUiToolTip(view, kContext, QT_TRANSLATE_NOOP("ReportPanel", "View User Name to the Left"));
    view->setGeometry(290, row, 100, 28);

    uiLabel(QStringLiteral("LabelFontSize"), kContext,
            QT_TRANSLATE_NOOP("ReportPanel", "Font Size"), this)
        ->setGeometry(290, row + 38, 60, 20);
    m_fontSize = new QSpinBox(this);
    m_fontSize->setObjectName(QStringLiteral("SpinEditFontSize"));
    m_fontSize->setAccessibleName(QCoreApplication::translate("ReportPanel", "Font Size"));
    m_fontSize->setRange(kSmallestFontSize, kLargestFontSize);
    m_fontSize->setValue(kFirstFontSize);
    m_fontSize->setGeometry(350, row + 35, 44, 26);

    const QRect showPanel = showPanelPlace(client);
    const QPoint hideAt = showPanel.topLeft() + showButtonOffset();
    auto* hide = uiButton(QStringLiteral("ButtonHide"), kContext,
                          QT_TRANSLATE_NOOP("ReportPanel", "Hide"), this);
    setUiToolTip(hide, kContext, QT_TRANSLATE_NOOP("ReportPanel", "Hide to View Charts"));
    hide->setGeometry(QRect(hideAt, kHideButtonSize));
    auto* hideNote =
        uiLabel(QStringLiteral("LabelHide"), kContext,
                QT_TRANSLATE_NOOP("ReportPanel", "Click \"Hide\" to view charts:"), this);
    hideNote->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    hideNote->setGeometry(hideAt.x() - 196, hideAt.y(), 190, kHideButtonSize.height());

    connect(print, &QPushButton::clicked, this, &ReportPanel::printClicked);
    connect(closeReport, &QPushButton::clicked, this, &ReportPanel::closeClicked);
    connect(view, &QPushButton::clicked, this, &ReportPanel::viewReportClicked);
    connect(hide, &QPushButton::clicked, this, &ReportPanel::hideClicked);
    connect(m_fontSize, &QSpinBox::valueChanged, this, &ReportPanel::fontSizeChanged);
}

void ReportPanel::setReportLines(const QStringList& lines) {
    m_lines = lines;
    m_text->setPlainText(lines.join(u'\n'));
}

QFont ReportPanel::reportFont() const {
    return m_text->font();
}

QFont ReportPanel::printFont() const {
    QFont font = m_text->font();
    if (font.pixelSize() > 0)
        font.setPointSizeF(font.pixelSize() * 72.0 / m_text->logicalDpiY());
    return font;
}

void ReportPanel::fontSizeChanged(int points) {
    QFont font = m_text->font();
    font.setPointSize(points);
    m_text->setFont(font);
}

void ReportPanel::setNames(const QStringList& names, const QString& current) {
    fillNames(*m_names, names, current);
}

void ReportPanel::selectName(const QString& name) {
    kf::selectName(*m_names, name);
}

QString ReportPanel::selectedName() const {
    return kf::selectedName(*m_names);
}

void ReportPanel::focusNames() {
    m_names->setFocus();
}

} // namespace kf
