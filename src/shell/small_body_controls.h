#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "astro/small_body.h"

class QAction;
class QFont;
class QProgressDialog;
class QWidget;

namespace kolvar {

// The comets and minor planets of the window: the kept set, read at the
// start in a worker thread, and the Megfigyelő menu's import command, which
// reads a chosen elements file in a worker thread (the window stays usable;
// a progress window shows how far it got and can stop it), merges its
// bodies into the kept set and keeps them. Every new set goes to `changed`
// on the main thread.
class SmallBodyControls : public QObject {
    Q_OBJECT
public:
    using Bodies = std::shared_ptr<const std::vector<SmallBody>>;
    SmallBodyControls(QWidget* window, std::function<void(Bodies)> changed);
    ~SmallBodyControls() override;

    QAction* Action() const { return import1_; }
    void SetUpMenu(const QFont& menuFont);
    const Bodies& Current() const { return bodies_; }

    // Reads the kept set in the background.
    void LoadKept();
    // Imports the file at `path` in the background (the menu command asks
    // for it), after the kept set when that is still being read.
    void Import(const QString& path);
    bool Busy() const { return busy_; }

private:
    void ChooseFile();
    void Finished(Bodies bodies, const QString& message);

    QWidget* window_;
    std::function<void(Bodies)> changed_;
    QAction* import1_ = nullptr;
    QPointer<QProgressDialog> progress_;
    Bodies bodies_ = std::make_shared<const std::vector<SmallBody>>();
    bool busy_ = false;
    QString waiting_;  // a file to import once the kept set is read
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<int>> permille_ = std::make_shared<std::atomic<int>>(0);
    QThreadPool pool_;  // its own, so the window waits for it when it goes
};

}  // namespace kolvar
