// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finds the texts a window shows cut: a label's text (wrapped, for a word-wrapped label) or a
// button's caption that needs more room than the control's contents rectangle, or that a parent
// hides. The room is measured as the style and the label draw it, in the control's own font.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QToolButton>

namespace kf::test {

namespace cut {

// Where the widget can be seen in the window's coordinates: its rectangle as its parents clip it.
inline QRect visibleInWindow(const QWidget* widget) {
    const QWidget* window = widget->window();
    QRect visible(widget->mapTo(window, QPoint(0, 0)), widget->size());
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget())
        visible &= QRect(up->mapTo(window, QPoint(0, 0)), up->size());
    return visible & window->rect();
}

// A problem, or nothing when the text drawn at `drawn` (in the widget's coordinates) lies inside
// `room` and is seen whole.
inline QString problemOf(const QWidget* widget, const QString& text, QRect drawn, QRect room) {
    QString problem;
    if (drawn.width() > room.width() || drawn.height() > room.height())
        problem = QStringLiteral("needs %1 x %2 in %3 x %4")
                      .arg(drawn.width())
                      .arg(drawn.height())
                      .arg(room.width())
                      .arg(room.height());
    else if (!visibleInWindow(widget).contains(
                 drawn.translated(widget->mapTo(widget->window(), QPoint(0, 0)))))
        problem = QStringLiteral("is hidden in part by a parent");
    if (problem.isEmpty())
        return {};
    const QString name = widget->objectName().isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : widget->objectName();
    return QStringLiteral("%1 \"%2\" %3").arg(name, text, problem);
}

inline QRect labelRoom(const QLabel* label) {
    QRect room = label->contentsRect();
    const int margin = label->margin();
    room.adjust(margin, margin, -margin, -margin);
    int indent = label->indent();
    if (indent < 0 && label->frameWidth() > 0)
        indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
        const Qt::Alignment a =
            QStyle::visualAlignment(label->layoutDirection(), label->alignment());
        if (a & Qt::AlignLeft)
            room.setLeft(room.left() + indent);
        if (a & Qt::AlignRight)
            room.setRight(room.right() - indent);
        if (a & Qt::AlignTop)
            room.setTop(room.top() + indent);
        if (a & Qt::AlignBottom)
            room.setBottom(room.bottom() - indent);
    }
    return room;
}

inline QString labelProblem(const QLabel* label) {
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull())
        return {};
    const QRect room = labelRoom(label);
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
    QRect drawn;
    if (rich) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(room.width());
        const QSize size(qCeil(label->wordWrap() ? document.idealWidth() : document.size().width()),
                         qCeil(document.size().height()));
        drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(), size, room);
    } else {
        int flags = int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) |
                    Qt::TextExpandTabs;
        if (label->wordWrap())
            flags |= Qt::TextWordWrap;
        if (label->buddy() != nullptr)
            flags |= Qt::TextShowMnemonic;
        drawn = label->fontMetrics().boundingRect(room, flags, text);
    }
    return problemOf(label, text, drawn, room);
}

// A button's caption with its icon beside it, centred in the room the style leaves it.
inline QString captionProblem(const QAbstractButton* button, QRect room, Qt::Alignment alignment) {
    QSize size = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    if (!button->icon().isNull()) {
        size.rwidth() += button->iconSize().width() + 4;
        size.setHeight(qMax(size.height(), button->iconSize().height()));
    }
    const QRect drawn = QStyle::alignedRect(button->layoutDirection(), alignment, size, room);
    return problemOf(button, button->text(), drawn, room);
}

inline QString buttonProblem(const QAbstractButton* button) {
    if (button->text().isEmpty())
        return {};
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    const QStyle* style = button->style();
    if (const auto* push = qobject_cast<const QPushButton*>(button)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
        return captionProblem(button,
                              style->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                              Qt::AlignCenter);
    }
    if (const auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
            return {};
        QStyleOptionToolButton toolOption;
        toolOption.initFrom(tool);
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &toolOption, tool);
        return captionProblem(button, tool->rect().adjusted(frame, frame, -frame, -frame),
                              Qt::AlignCenter);
    }
    const bool radio = qobject_cast<const QRadioButton*>(button) != nullptr;
    const QRect room = style->subElementRect(
        radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, button);
    return captionProblem(button, room, Qt::AlignLeft | Qt::AlignVCenter);
}

inline QString groupBoxProblem(const QGroupBox* box) {
    if (box->title().isEmpty())
        return {};
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect title =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const QSize needed = box->fontMetrics().size(Qt::TextShowMnemonic, box->title());
    return problemOf(box, box->title(), QRect(title.topLeft(), needed), box->rect());
}

// The closed box shows the chosen item in its edit field: every item must fit there.
inline QStringList comboBoxProblems(const QComboBox* combo) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        combo->style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
            .adjusted(1, 0, -1, 0);
    QStringList problems;
    for (int i = 0; i < combo->count(); ++i) {
        const QString item = combo->itemText(i);
        const QSize size = combo->fontMetrics().size(0, item);
        const QRect drawn = QStyle::alignedRect(combo->layoutDirection(),
                                                Qt::AlignLeft | Qt::AlignVCenter, size, field);
        if (QString problem = problemOf(combo, item, drawn, field); !problem.isEmpty())
            problems.append(problem);
    }
    return problems;
}

// Tabs that do not all fit get scroll arrows: a tab out of sight is a cut text too.
inline QStringList tabProblems(const QTabBar* tabs) {
    QStringList problems;
    for (int i = 0; i < tabs->count(); ++i) {
        if (QString problem = problemOf(tabs, tabs->tabText(i), tabs->tabRect(i), tabs->rect());
            !problem.isEmpty())
            problems.append(problem);
    }
    return problems;
}

// A menu title that does not fit goes into the bar's overflow menu.
inline QStringList menuBarProblems(const QMenuBar* bar) {
    QStringList problems;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QRect place = bar->actionGeometry(action);
        if (place.isEmpty() || !bar->rect().contains(place))
            problems.append(QStringLiteral("menu bar \"%1\" does not fit").arg(action->text()));
    }
    return problems;
}

} // namespace cut

namespace cut {

// What `measure` finds in each control of the kind that the window shows now.
template <typename Control, typename Measure>
void measureShown(const QWidget* window, Measure measure, QStringList& problems) {
    for (const Control* control : window->findChildren<Control*>())
        if (control->isVisibleTo(window))
            problems.append(measure(control));
}

} // namespace cut

// Every text of the window, its controls and theirs that is shown cut, with the control's name:
// only what the window shows now (a hidden panel's or page's controls are not measured).
inline QStringList cutTexts(const QWidget* window) {
    QStringList problems;
    cut::measureShown<QLabel>(window, cut::labelProblem, problems);
    cut::measureShown<QAbstractButton>(window, cut::buttonProblem, problems);
    cut::measureShown<QGroupBox>(window, cut::groupBoxProblem, problems);
    cut::measureShown<QComboBox>(window, cut::comboBoxProblems, problems);
    cut::measureShown<QTabBar>(window, cut::tabProblems, problems);
    cut::measureShown<QMenuBar>(window, cut::menuBarProblems, problems);
    problems.removeAll(QString());
    return problems;
}

} // namespace kf::test
