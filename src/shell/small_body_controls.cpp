#include "shell/small_body_controls.h"

#include <QAction>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>

#include "appcore/kept_small_bodies.h"
#include "elements/kept_set_text.h"
#include "texts/small_body_texts.h"
#include "widgets/runic_text.h"
#include "widgets/script_text.h"

namespace kolvar {

SmallBodyControls::SmallBodyControls(QWidget* window, std::function<void(Bodies)> changed)
    : QObject(window), window_(window), changed_(std::move(changed)) {
    pool_.setMaxThreadCount(1);
    // The runic caption comes with the menu set-up.
    import1_ = new QAction(QStringLiteral("P\u00E1lyaelemek beolvas\u00E1sa"), this);
    import1_->setObjectName(QStringLiteral("ImportElements1"));
    connect(import1_, &QAction::triggered, this, &SmallBodyControls::ChooseFile);
}

SmallBodyControls::~SmallBodyControls() {
    stop_->store(true);
    pool_.waitForDone();
}

void SmallBodyControls::SetUpMenu(const QFont&) {
    ShowCaption(import1_, SmallBodyCaptions().Import.Text());
    import1_->setEnabled(!busy_);
}

void SmallBodyControls::LoadKept() {
    busy_ = true;
    import1_->setEnabled(false);
    const QPointer<SmallBodyControls> self(this);
    pool_.start([this, self] {
        ImportResult kept = LoadKeptSmallBodies(KeptSmallBodiesPath());
        auto bodies = std::make_shared<const std::vector<SmallBody>>(std::move(kept.Bodies));
        // The controls wait for this thread before they go, so they are there to be told.
        QMetaObject::invokeMethod(
            this,
            [this, self, bodies] {
                if (self) Finished(bodies, QString());
            },
            Qt::QueuedConnection);
    });
}

void SmallBodyControls::ChooseFile() {
    if (busy_) return;
    const QString path =
        QFileDialog::getOpenFileName(window_, PlainString(SmallBodyCaptions().Import.Hungarian));
    if (!path.isEmpty()) Import(path);
}

void SmallBodyControls::Import(const QString& path) {
    // While the kept set is still being read the import waits for it.
    if (busy_) {
        if (progress_ == nullptr) waiting_ = path;
        return;
    }
    busy_ = true;
    import1_->setEnabled(false);
    stop_->store(false);
    permille_->store(0);
    progress_ = new QProgressDialog(PlainString(SmallBodyCaptions().Importing.Hungarian), QString(), 0, 1000,
                                    window_);
    progress_->setObjectName(QStringLiteral("ImportProgress"));
    progress_->setWindowModality(Qt::NonModal);
    progress_->setMinimumDuration(0);
    progress_->setCancelButtonText(QStringLiteral("M\u00E9gse"));
    connect(progress_, &QProgressDialog::canceled, this, [stop = stop_] { stop->store(true); });
    // The worker writes how far it is; the main thread shows it.
    auto* timer = new QTimer(progress_);
    connect(timer, &QTimer::timeout, this, [this] {
        if (progress_) progress_->setValue(permille_->load());
    });
    timer->start(100);
    progress_->show();

    const QPointer<SmallBodyControls> self(this);
    const std::string file = path.toLocal8Bit().toStdString();
    pool_.start([this, self, file, stop = stop_, permille = permille_] {
        const ImportResult read = ImportElementsFile(file, [&](std::uint64_t done, std::uint64_t total) {
            if (total > 0) permille->store(static_cast<int>(done * 1000 / total));
            return !stop->load();
        });
        QString message;
        Bodies result;
        const auto keptPath = KeptSmallBodiesPath();
        ImportResult kept = LoadKeptSmallBodies(keptPath);
        if (read.Unreadable || kept.Unreadable || read.Cancelled) {
            message = PlainString(SmallBodyCaptions().ImportFailed);
        } else {
            std::size_t replaced = 0;
            std::vector<SmallBody> merged = MergeBodies(std::move(kept.Bodies), read.Bodies, replaced);
            if (SaveKeptSmallBodies(keptPath, merged)) {
                message = PlainString(SmallBodyCaptions().ImportFailed);
            } else {
                result = std::make_shared<const std::vector<SmallBody>>(std::move(merged));
                message = PlainString(SmallBodyCaptions().ImportDone).arg(read.Bodies.size());
                if (read.ProblemCount > 0)
                    message += QStringLiteral("\n") +
                               PlainString(SmallBodyCaptions().ImportProblems).arg(read.ProblemCount) +
                               QStringLiteral("\n") + QString::fromStdString(ProblemSummary(read));
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, self, result, message] {
                if (self) Finished(result, message);
            },
            Qt::QueuedConnection);
    });
}

void SmallBodyControls::Finished(Bodies bodies, const QString& message) {
    busy_ = false;
    import1_->setEnabled(true);
    if (progress_) {
        progress_->setValue(1000);
        progress_->deleteLater();
        progress_ = nullptr;
    }
    if (bodies) {
        bodies_ = std::move(bodies);
        changed_(bodies_);
    }
    if (!waiting_.isEmpty()) {
        const QString next = waiting_;
        waiting_.clear();
        Import(next);
    }
    if (!message.isEmpty()) {
        auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Kolvar"), message,
                                    QMessageBox::Ok, window_);
        box->setObjectName(QStringLiteral("ImportResult"));
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
    }
}

}  // namespace kolvar
