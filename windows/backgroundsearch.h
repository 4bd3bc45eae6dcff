// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Qt
#include <QObject>
#include <QThreadPool>

// Standard library
#include <atomic>
#include <functional>
#include <memory>

// Runs the solver's searches off the user-interface thread, one at a time: a new search cancels
// the one before, and a cancelled search reports nothing. A click, a key, the clock and the
// victory show never wait for a search: the only wait is when the owner goes, for a cancelled
// search to notice its flag, which it polls at every step.
class BackgroundSearch : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundSearch(QObject* parent = nullptr);
    ~BackgroundSearch() override;

    // Runs work on a worker thread with a flag that says when to stop, then, unless cancelled
    // meanwhile, done with its result on this object's thread.
    template <class Result>
    void start(std::function<Result(const std::atomic<bool>& cancel)> work,
               std::function<void(Result)> done)
    {
        cancel();
        auto flag = std::make_shared<std::atomic<bool>>(false);
        cancel_ = flag;
        running_ = true;
        pool_.start([this, flag, work = std::move(work), done = std::move(done)]() mutable {
            auto result = std::make_shared<Result>(work(*flag));
            QMetaObject::invokeMethod(
                this,
                [this, flag, result, done = std::move(done)] {
                    if (flag->load())
                        return;
                    running_ = false;
                    done(std::move(*result));
                },
                Qt::QueuedConnection);
        });
    }
    // Stops the running search, if any; it reports nothing.
    void cancel();
    bool running() const { return running_; }

private:
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    bool running_ = false;
};
