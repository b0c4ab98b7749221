// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/TroubleKeysWindow.h"

#include "keyboard/KeyboardPictureFile.h"
#include "keyboard/Windows1252.h"
#include "platform/Dialogs.h"
#include "platform/Services.h"
#include "progress/HeatKeyboardView.h"
#include "progress/KeyTrendChart.h"
#include "progress/TroubleKeysTexts.h"
#include "students/JournalReader.h"
#include "students/PressJournal.h"
#include "students/StudentContext.h"
#include "widgets/TextControls.h"
#include "widgets/TranslatedText.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kf {

namespace {

constexpr int kPictureWidth = 587; // the keyboard picture's size, when its file is missing
constexpr int kPictureHeight = 283;
constexpr int kSwatchSize = 14;

constexpr std::array<const char*, 4> kConfusionHeaders = {
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Key"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Typed Instead"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Times"),
    QT_TRANSLATE_NOOP("TroubleKeysWindow", "Last Time"),
};

QString translated(const char* source) {
    return QCoreApplication::translate(kTroubleKeysContext, source);
}

QImage keyboardPictureOf(const StudentContext& student) {
    const QString name = keyboardPictureName(student.record.nationalityCode(), true);
    QImage picture(student.folder.filePath(name));
    if (picture.isNull()) {
        picture = QImage(kPictureWidth, kPictureHeight, QImage::Format_ARGB32);
        picture.fill(Qt::lightGray);
    }
    return picture;
}

QLabel* titleLabel(const QString& name, const char* source, QWidget* parent) {
    QLabel* label = uiLabel(name, kTroubleKeysContext, source, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TroubleKeysWindow::TroubleKeysWindow(const StudentContext& student, Services& services,
                                     QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_student(student)
    , m_services(services)
    , m_name(student.currentUserName)
    , m_journalPath(PressJournal::pathFor(student.folder.path(), student.currentUserName))
    , m_goals(ClassGoals::read(student.folder.path()))
    , m_keyboard(keyboardPictureOf(student)) {
    setObjectName(QStringLiteral("TroubleKeysWindow"));
    setUiWindowTitle(this, kTroubleKeysContext,
                     QT_TRANSLATE_NOOP("TroubleKeysWindow", "Trouble Keys"));
    buildControls();
    readJournal();
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

TroubleKeysWindow* TroubleKeysWindow::open(const StudentContext& student, Services& services,
                                           QWidget* parent) {
    auto* window = new TroubleKeysWindow(student, services, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void TroubleKeysWindow::buildControls() {
    auto* page = new QVBoxLayout(this);
    m_rule = new QLabel(this);
    m_rule->setObjectName(QStringLiteral("TroubleKeysRule"));
    m_rule->setWordWrap(true);
    m_goalsLine = new QLabel(this);
    m_goalsLine->setObjectName(QStringLiteral("TroubleKeysGoals"));
    m_goalsLine->setWordWrap(true);
    m_showSpeed = new QCheckBox(this);
    m_showSpeed->setObjectName(QStringLiteral("TroubleKeysShowSpeed"));
    setUiText(m_showSpeed, kTroubleKeysContext,
              QT_TRANSLATE_NOOP("TroubleKeysWindow", "Show &speed instead of accuracy"));
    connect(m_showSpeed, &QCheckBox::toggled, this, [this] { showPicture(); });
    m_picture = new HeatKeyboardView(this);
    setUiAccessibleName(m_picture, kTroubleKeysContext,
                        QT_TRANSLATE_NOOP("TroubleKeysWindow", "Keyboard coloured by your keys"));
    page->addWidget(m_rule);
    page->addWidget(m_goalsLine);
    page->addWidget(m_showSpeed);
    page->addWidget(m_picture, 0, Qt::AlignHCenter);
    page->addWidget(buildLegend());

    auto* lower = new QHBoxLayout;
    auto* confusionColumn = new QVBoxLayout;
    QLabel* confusionsTitle =
        titleLabel(QStringLiteral("TroubleKeysConfusionsTitle"),
                   QT_TRANSLATE_NOOP("TroubleKeysWindow", "Keys &typed instead of others"), this);
    m_confusions = new QTableWidget(0, int(kConfusionHeaders.size()), this);
    m_confusions->setObjectName(QStringLiteral("TroubleKeysConfusions"));
    m_confusions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_confusions->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_confusions->setTabKeyNavigation(false);
    m_confusions->verticalHeader()->hide();
    m_confusions->horizontalHeader()->setStretchLastSection(true);
    confusionsTitle->setBuddy(m_confusions);
    nameAfter(m_confusions, confusionsTitle);
    confusionColumn->addWidget(confusionsTitle);
    confusionColumn->addWidget(m_confusions);
    auto* chartColumn = new QVBoxLayout;
    chartColumn->addWidget(titleLabel(
        QStringLiteral("TroubleKeysChartsTitle"),
        QT_TRANSLATE_NOOP("TroubleKeysWindow",
                          "The keys holding you back, last 20 sets (blue: words a minute, red "
                          "dashed: % accuracy)"),
        this));
    m_charts = new QGridLayout;
    chartColumn->addLayout(m_charts);
    chartColumn->addStretch();
    lower->addLayout(confusionColumn, 1);
    lower->addLayout(chartColumn, 1);
    page->addLayout(lower);

    auto* buttons = new QHBoxLayout;
    m_practise = uiButton(QStringLiteral("TroubleKeysPractise"), kTroubleKeysContext,
                          QT_TRANSLATE_NOOP("TroubleKeysWindow", "Practise These Keys"), this);
    QPushButton* exportButton =
        uiButton(QStringLiteral("TroubleKeysExport"), kTroubleKeysContext,
                 QT_TRANSLATE_NOOP("TroubleKeysWindow", "Export CSV…"), this);
    QPushButton* close = uiButton(QStringLiteral("TroubleKeysClose"), kTroubleKeysContext,
                                  QT_TRANSLATE_NOOP("TroubleKeysWindow", "&Close"), this);
    connect(m_practise, &QPushButton::clicked, this,
            [this] { emit practiseKeysRequested(m_practiseKeys); });
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCsv(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(m_practise);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);
    page->addLayout(buttons);
}

QWidget* TroubleKeysWindow::buildLegend() {
    auto* legend = new QWidget(this);
    legend->setObjectName(QStringLiteral("TroubleKeysLegend"));
    auto* row = new QHBoxLayout(legend);
    for (int band = 0; band < kHeatBandCount; ++band) {
        auto* swatch = new QLabel(legend);
        QPixmap colour(kSwatchSize, kSwatchSize);
        colour.fill(QColor::fromRgba(kHeatColours[std::size_t(band)]));
        swatch->setPixmap(colour);
        auto* meaning = new QLabel(legend);
        meaning->setObjectName(QStringLiteral("TroubleKeysLegend%1").arg(band));
        m_legendTexts.push_back(meaning);
        row->addWidget(swatch);
        row->addWidget(meaning);
        row->addSpacing(kSwatchSize);
    }
    row->addStretch();
    return legend;
}

void TroubleKeysWindow::readJournal() {
    const JournalReader journal(m_journalPath);
    m_ranked = rankKeys(journal.keyTrends(), m_goals);
    m_practiseKeys.clear();
    const std::vector<int> weakest = troubleKeys(m_ranked, kChartedKeys);
    for (int key : weakest)
        if (key > ' ') // the own-keys drill takes characters, never Space
            m_practiseKeys += fromWindows1252(static_cast<AnsiChar>(key));
    m_practise->setEnabled(!m_practiseKeys.isEmpty());
    showTexts();
    showPicture();
    showConfusions();
    showCharts();
}

void TroubleKeysWindow::showTexts() {
    m_rule->setText(troubleRuleText(m_goals));
    m_goalsLine->setText(goalsText(m_goals, m_name, m_ranked));
    for (std::size_t band = 0; band < m_legendTexts.size(); ++band)
        m_legendTexts[band]->setText(heatBandText(static_cast<HeatBand>(band)));
}

void TroubleKeysWindow::showPicture() {
    const HeatMeasure measure =
        m_showSpeed->isChecked() ? HeatMeasure::Speed : HeatMeasure::Accuracy;
    m_picture->show(m_keyboard,
                    heatKeys(m_ranked, m_student.record.nationality(), measure, m_goals));
}

void TroubleKeysWindow::showConfusions() {
    QStringList headers;
    for (const char* header : kConfusionHeaders)
        headers << translated(header);
    m_confusions->setHorizontalHeaderLabels(headers);
    const std::vector<JournalConfusion> confusions =
        JournalReader(m_journalPath).confusions(kConfusionRows);
    m_confusions->setRowCount(int(confusions.size()));
    const QLocale locale;
    for (int row = 0; row < int(confusions.size()); ++row) {
        const JournalConfusion& c = confusions[std::size_t(row)];
        const QString when = locale.toString(QDateTime::fromSecsSinceEpoch(c.lastUtc).toLocalTime(),
                                             QLocale::ShortFormat);
        const QStringList cells = {keyCaption(c.target), keyCaption(c.typed),
                                   QString::number(c.count), when};
        for (int column = 0; column < cells.size(); ++column)
            m_confusions->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    m_confusions->resizeColumnsToContents();
}

void TroubleKeysWindow::showCharts() {
    while (QLayoutItem* item = m_charts->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    const std::vector<int> keys = troubleKeys(m_ranked, kChartedKeys);
    const std::vector<JournalKeySet> sets = JournalReader(m_journalPath).keySets(keys);
    constexpr int kChartsARow = 2;
    for (int i = 0; i < int(keys.size()); ++i) {
        auto* chart = new KeyTrendChart(this);
        chart->show(keys[std::size_t(i)],
                    keyHistory(sets, keys[std::size_t(i)], KeyTrendChart::kLastSets));
        m_charts->addWidget(chart, i / kChartsARow, i % kChartsARow);
    }
}

void TroubleKeysWindow::exportCsv() {
    const std::optional<QString> file = m_services.dialogs.chooseSaveFile(
        translated(QT_TRANSLATE_NOOP("TroubleKeysWindow", "Export the Presses")),
        QDir(QDir::homePath()).filePath(m_name + QStringLiteral(".csv")),
        translated(QT_TRANSLATE_NOOP("TroubleKeysWindow", "CSV files (*.csv)")));
    if (!file)
        return;
    QSaveFile out(*file);
    if (!out.open(QIODevice::WriteOnly) || !JournalReader(m_journalPath).exportCsv(out) ||
        !out.commit())
        m_services.dialogs.error(
            translated(
                QT_TRANSLATE_NOOP("TroubleKeysWindow", "The presses could not be exported to %1."))
                .arg(QDir::toNativeSeparators(*file)));
}

void TroubleKeysWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    retranslate(this);
    showTexts();
    showConfusions();
    showCharts();
    showPicture(); // the figures' words in the new language
}

} // namespace kf
