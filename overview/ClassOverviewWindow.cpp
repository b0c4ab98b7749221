// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/ClassOverviewWindow.h"

#include "core/FolderFile.h"
#include "overview/ClassCsv.h"
#include "overview/ClassFolder.h"
#include "overview/ClassGoalsBar.h"
#include "overview/ClassOverviewModel.h"
#include "overview/ClassPrint.h"
#include "overview/TrendDelegate.h"
#include "platform/Dialogs.h"
#include "platform/Printer.h"
#include "platform/Services.h"
#include "students/Roster.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTextStream>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

namespace kf {

namespace {

// A folder that reads faster than this shows no progress bar at all.
constexpr int kProgressDelayMs = 300;
constexpr QSize kStartSize{960, 480};
constexpr int kSortArrowRoom = 16;
const QString kCsvName = QStringLiteral("class-overview.csv");

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// The printout and the file hold the rows in the order the table shows them.
QList<StudentOverview> rowsAsShown(const QSortFilterProxyModel& sorted,
                                   const ClassOverviewModel& model) {
    QList<StudentOverview> rows;
    for (int r = 0; r < sorted.rowCount(); ++r)
        rows.append(model.students().at(sorted.mapToSource(sorted.index(r, 0)).row()));
    return rows;
}

} // namespace

ClassOverviewWindow::ClassOverviewWindow(WorkingFolder folder, Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_folder(std::move(folder))
    , m_services(services)
    , m_cancel(std::make_shared<std::atomic<bool>>(false)) {
    setObjectName(QStringLiteral("FormClassOverview"));
    setWindowTitle(tr("Class Overview"));

    m_model = new ClassOverviewModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(ClassOverviewModel::kSortRole);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("TableClassOverview"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setItemDelegate(new TrendDelegate(m_table));
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->setWordWrap(false);
    // Tab leaves the table for the buttons; arrows move within it, Enter (or a double click)
    // opens the row's report.
    m_table->setTabKeyNavigation(false);
    connect(m_table, &QTableView::activated, this, &ClassOverviewWindow::rowActivated);
    connect(this, &ClassOverviewWindow::readingAdvanced, this, &ClassOverviewWindow::showProgress,
            Qt::QueuedConnection);
    connect(this, &ClassOverviewWindow::readingFinished, this, &ClassOverviewWindow::showLoaded,
            Qt::QueuedConnection);

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LabelStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressLoading"));
    m_progress->hide();
    m_progressDelay = new QTimer(this);
    m_progressDelay->setObjectName(QStringLiteral("TimerProgress"));
    m_progressDelay->setSingleShot(true);
    m_progressDelay->setInterval(kProgressDelayMs);
    connect(m_progressDelay, &QTimer::timeout, m_progress, &QWidget::show);

    m_print = makeButton(QStringLiteral("ButtonPrint"), tr("&Print"), this);
    m_export = makeButton(QStringLiteral("ButtonExportCsv"), tr("E&xport CSV"), this);
    auto* close = makeButton(QStringLiteral("ButtonClose"), tr("&Close"), this);
    connect(m_print, &QPushButton::clicked, this, &ClassOverviewWindow::buttonPrintClick);
    connect(m_export, &QPushButton::clicked, this, &ClassOverviewWindow::buttonExportCsvClick);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_status, 1);
    buttons->addWidget(m_progress);
    buttons->addWidget(m_print);
    buttons->addWidget(m_export);
    buttons->addWidget(close);
    auto* goals = new ClassGoalsBar(m_folder, m_services, this);
    connect(goals, &ClassGoalsBar::goalsChanged, this, &ClassOverviewWindow::reload);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(goals);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    resize(kStartSize);
}

ClassOverviewWindow::~ClassOverviewWindow() {
    stopLoading();
}

ClassOverviewWindow* ClassOverviewWindow::open(const WorkingFolder& folder, Services& services,
                                               QWidget* parent) {
    auto* window = new ClassOverviewWindow(folder, services, parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->reload();
    return window;
}

void ClassOverviewWindow::reload() {
    stopLoading();
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_print->setEnabled(false);
    m_export->setEnabled(false);
    m_status->setText(tr("Reading the student files..."));
    m_progress->setRange(0, 0);

    // The reading thread owns copies of what it needs and tells the window through queued
    // signals marked with this reading's number: a later reading makes them stale, and a window
    // closing stops the thread and waits for it before it goes.
    const WorkingFolder folder = m_folder;
    const std::shared_ptr<std::atomic<bool>> cancel = m_cancel;
    const int reading = ++m_reading;
    m_loader = QThread::create([this, folder, cancel, reading] {
        classFolder::Progress progress;
        progress.cancelled = cancel.get();
        progress.advanced = [this, reading](int done, int total) {
            emit readingAdvanced(reading, done, total);
        };
        const QList<StudentOverview> students = classFolder::load(folder, progress);
        if (!cancel->load())
            emit readingFinished(reading, students);
    });
    m_loader->start();
    // Only a load that takes more than a moment shows its progress.
    m_progressDelay->start();
}

void ClassOverviewWindow::stopLoading() {
    m_progressDelay->stop();
    if (m_loader == nullptr)
        return;
    m_cancel->store(true);
    m_loader->wait();
    delete m_loader;
    m_loader = nullptr;
}

void ClassOverviewWindow::showProgress(int reading, int done, int total) {
    if (reading != m_reading)
        return;
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void ClassOverviewWindow::showLoaded(int reading, const QList<StudentOverview>& students) {
    if (reading != m_reading)
        return;
    if (m_loader != nullptr) {
        m_loader->wait();
        delete m_loader;
        m_loader = nullptr;
    }
    m_progressDelay->stop();
    m_model->setStudents(students);
    m_table->resizeColumnsToContents();
    // Room for the sort arrow beside a header that is as wide as its text.
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_table->setColumnWidth(c, m_table->columnWidth(c) + kSortArrowRoom);
    m_progress->hide();
    m_status->setText(tr("%n student file(s)", nullptr, static_cast<int>(students.size())));
    m_print->setEnabled(true);
    m_export->setEnabled(true);
    emit loaded();
}

void ClassOverviewWindow::rowActivated(const QModelIndex& index) {
    if (!index.isValid())
        return;
    const QModelIndex row = m_sorted->mapToSource(index);
    const QString name = m_model->students().at(row.row()).name;
    // The table shows the folder as it was read; the report would show whoever came before.
    if (!Roster(m_folder).exists(name)) {
        m_services.dialogs.information(
            tr("The student file of %1 is no longer in the folder: someone deleted or renamed "
               "it. Close this window and open the class overview again to see the folder as it "
               "is now.")
                .arg(name));
        return;
    }
    emit reportRequested(name);
}

QString ClassOverviewWindow::printTitle() const {
    return tr("Class Overview: %1  Date: %2")
        .arg(QDir::toNativeSeparators(m_folder.path()),
             QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void ClassOverviewWindow::buttonPrintClick() {
    const Printer::Outcome outcome = m_services.printer.printTable(
        classPrintTable(rowsAsShown(*m_sorted, *m_model), printTitle()));
    if (outcome.status == Printer::Status::Failed)
        m_services.dialogs.error(outcome.error);
}

void ClassOverviewWindow::buttonExportCsvClick() {
    const std::optional<QString> path = m_services.dialogs.chooseSaveFile(
        tr("Export CSV"), QDir(m_folder.path()).filePath(kCsvName), tr("CSV files (*.csv)"));
    if (!path)
        return;
    QByteArray csv;
    QTextStream out(&csv);
    writeCsv(rowsAsShown(*m_sorted, *m_model), out);
    const QString failed = folderFile::write(*path, csv);
    if (!failed.isEmpty())
        m_services.dialogs.error(tr("The file \"%1\" could not be written: %2")
                                     .arg(QDir::toNativeSeparators(*path), failed));
}

void ClassOverviewWindow::closeEvent(QCloseEvent* event) {
    stopLoading();
    QWidget::closeEvent(event);
}

} // namespace kf
