// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QPainter;

// The drawing of each species of the default tile set, one function a species, in files grouped
// by body plan. Each draws morph `variant` (0 or 1) facing left, in tile pixels as FishPainter
// places it; FishPainter checks the arguments and saves and restores the painter around the call.
namespace fish {

// fishstreamlined.cpp
void swordfish(QPainter& p, int variant);
void shark(QPainter& p, int variant);
void tuna(QPainter& p, int variant);
void pike(QPainter& p, int variant);
void flyingFish(QPainter& p, int variant);
void betta(QPainter& p, int variant);

// fishdeepbodied.cpp
void clownfish(QPainter& p, int variant);
void angelfish(QPainter& p, int variant);
void butterflyfish(QPainter& p, int variant);
void surgeonfish(QPainter& p, int variant);
void parrotfish(QPainter& p, int variant);
void lionfish(QPainter& p, int variant);

// fishrounded.cpp
void pufferfish(QPainter& p, int variant);
void boxfish(QPainter& p, int variant);
void oceanSunfish(QPainter& p, int variant);
void anglerfish(QPainter& p, int variant);
void goldfish(QPainter& p, int variant);

// fishbottom.cpp
void ray(QPainter& p, int variant);
void flounder(QPainter& p, int variant);
void catfish(QPainter& p, int variant);

// fishtube.cpp
void morayEel(QPainter& p, int variant);
void seahorse(QPainter& p, int variant);

} // namespace fish
