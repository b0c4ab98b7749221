// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/WorkingFolder.h"
#include "overview/StudentOverview.h"

#include <QWidget>
#include <atomic>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QThread;
class QTimer;

namespace kf {

struct Services;
class ClassOverviewModel;

// Every student of the working folder at a glance: one sortable row per student file with the
// figures of the summary report, printable and exportable. It reads the files on a thread of its
// own and never writes, renames or locks one, nor touches the current student.
class ClassOverviewWindow : public QWidget {
    Q_OBJECT
public:
    ClassOverviewWindow(WorkingFolder folder, Services& services, QWidget* parent = nullptr);
    ~ClassOverviewWindow() override;

    // Creates the window, shows it and starts reading the folder; it is deleted when it closes.
    static ClassOverviewWindow* open(const WorkingFolder& folder, Services& services,
                                     QWidget* parent);

    // Reads the folder again, off the user-interface thread.
    void reload();
    bool isLoading() const { return m_loader != nullptr; }

    const ClassOverviewModel& model() const { return *m_model; }
    QTableView& table() const { return *m_table; }

    void buttonPrintClick();
    void buttonExportCsvClick();

signals:
    // The files are read and the table shows them.
    void loaded();
    // A row was double-clicked: the teacher wants that student's report.
    void reportRequested(const QString& name);

    // From the reading thread to the window, queued; reading numbers each reload.
    void readingAdvanced(int reading, int done, int total);
    void readingFinished(int reading, const QList<kf::StudentOverview>& students);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showLoaded(int reading, const QList<StudentOverview>& students);
    void showProgress(int reading, int done, int total);
    void stopLoading();
    void rowActivated(const QModelIndex& index);
    QString printTitle() const;

    WorkingFolder m_folder;
    Services& m_services;
    ClassOverviewModel* m_model = nullptr;
    QSortFilterProxyModel* m_sorted = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QTimer* m_progressDelay = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_export = nullptr;
    QThread* m_loader = nullptr;
    int m_reading = 0;
    std::shared_ptr<std::atomic<bool>> m_cancel;
};

} // namespace kf
