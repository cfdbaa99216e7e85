#pragma once

#include "EstimateRecord.h"

#include <QByteArray>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <functional>

class QAction;
class QWidget;

// Opens a saved estimate: 見積りを開く… (Ctrl+O) with Qt's file dialog, a
// PDF file dropped on the window, or a file named on the command line. The
// file is read and its record checked on a thread of the opener's own, so
// the window never waits for it; a file that cannot be opened is refused
// with its cause in Japanese, and the estimate on screen stays as it was.
class EstimateOpener : public QObject {
    Q_OBJECT
public:
    // Makes the estimate of a record that was read, from a file of that name.
    using Apply = std::function<void(const lumenta::EstimateRecord& record, const QString& fileName)>;
    // Chooses a file to open, starting in a folder; empty when none was chosen.
    using Chooser = std::function<QString(QWidget* parent, const QString& folder)>;

    EstimateOpener(QWidget* window, Apply apply);
    ~EstimateOpener() override;

    QAction* action() const { return action_; }
    void setChooser(Chooser chooser) { choose_ = std::move(chooser); }

    // Asks for a file and opens it.
    void chooseFile();
    // Opens a file by its name as the system spells it.
    void open(const QByteArray& path);
    // Opens a file by its name as Qt gives it (dialog, drop).
    void open(const QString& path);
    bool reading() const { return watcher_.isRunning(); }

signals:
    // An opening ended: the estimate was made, or the user was told why not.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Outcome;
    void read(const QByteArray& path, const QString& shown);
    void finish();
    void refuse(const QString& shown, const QString& why);

    QWidget* window_;
    Apply apply_;
    Chooser choose_;
    QAction* action_;
    QThreadPool pool_;
    QFutureWatcher<std::shared_ptr<Outcome>> watcher_;
    QTimer deadline_;
    QString shown_;
};
