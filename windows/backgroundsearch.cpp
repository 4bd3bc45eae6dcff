// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/backgroundsearch.h"

BackgroundSearch::BackgroundSearch(QObject* parent) : QObject(parent)
{
    // One search at a time: a cancelled one ends within a step, before the next begins.
    pool_.setMaxThreadCount(1);
}

BackgroundSearch::~BackgroundSearch()
{
    cancel();
    // The worker posts its result to this object: it must be done before this object goes.
    pool_.waitForDone();
}

void BackgroundSearch::cancel()
{
    if (cancel_)
        cancel_->store(true);
    cancel_.reset();
    running_ = false;
}
