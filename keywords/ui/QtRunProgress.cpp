#include "keywords/ui/QtRunProgress.h"

#include <QCoreApplication>

namespace zendal {

namespace {

constexpr int kSteps = 1000;

}  // namespace

QtRunProgress::QtRunProgress(QWidget* parent, int showAfterMs)
    : parent_(parent), showAfterMs_(showAfterMs) {}

QtRunProgress::~QtRunProgress() {
    Finish();
}

bool QtRunProgress::Advance(std::size_t done, std::size_t total) {
    if (!started_.isValid()) {
        started_.start();
    }
    if (dialog_ == nullptr && started_.elapsed() >= showAfterMs_ && done < total) {
        dialog_ =
            new QProgressDialog("Counting the words of the page...", "Cancel", 0, kSteps, parent_);
        dialog_->setObjectName("KeyWordProgress");
        dialog_->setWindowTitle("Zendal Key Word Generator");
        dialog_->setWindowModality(Qt::ApplicationModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoClose(false);
        dialog_->setAutoReset(false);
        // Escape closes the dialog as a rejection, which cancels the run too.
        QObject::connect(dialog_, &QDialog::rejected, dialog_, &QProgressDialog::cancel);
        dialog_->show();
    }
    if (dialog_ != nullptr) {
        dialog_->setValue(total == 0 ? kSteps
                                     : static_cast<int>(static_cast<double>(done) * kSteps /
                                                        static_cast<double>(total)));
        QCoreApplication::processEvents();
        cancelled_ = cancelled_ || dialog_->wasCanceled();
    }
    return !cancelled_;
}

void QtRunProgress::Finish() {
    delete dialog_;
    started_.invalidate();
    cancelled_ = false;
}

}  // namespace zendal
