#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "keywords/RunProgress.h"

class QWidget;

namespace zendal {

// The progress of a key word run in a modal progress dialog, shown only when the run takes a
// while. Cancel or Escape stops the run.
class QtRunProgress : public RunProgress {
  public:
    static constexpr int kShowAfterMs = 400;

    explicit QtRunProgress(QWidget* parent, int showAfterMs = kShowAfterMs);
    ~QtRunProgress() override;

    bool Advance(std::size_t done, std::size_t total) override;
    void Finish() override;

  private:
    QWidget* parent_;
    int showAfterMs_;
    QElapsedTimer started_;
    QPointer<QProgressDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace zendal
