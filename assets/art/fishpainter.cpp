// SPDX-FileCopyrightText: 2026 The Fish Pairs developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets/art/fishpainter.h"

// Local
#include "assets/art/fishspecies.h"

// Qt
#include <QPainter>

// Standard library
#include <array>
#include <tuple>

namespace {

// Name and drawing function of each species, in tile order, and where the drawing is placed:
// shrunk by a scale towards the fish box's bottom-left corner (11, 43), then shifted by whole
// pixels, dx to the right and dy down. Fins and tails that reached into the marks' strip at the top
// right were redrawn lower or moved down or left with their fish; a fish is shrunk only where no
// shift inside the box clears the strip.
using Species = std::tuple<const char*, void (*)(QPainter&, int), double, int, int>;
constexpr std::array<Species, FishPainter::kSpeciesCount> kSpecies{{
    // name, drawing, scale, dx, dy
    {"clownfish", fish::clownfish, 1, 0, 0},
    {"angelfish", fish::angelfish, 1, -5, 0},
    {"pufferfish", fish::pufferfish, 1, 0, 0},
    {"seahorse", fish::seahorse, 1, -2, 0},
    {"swordfish", fish::swordfish, 0.95, 0, 3},
    {"shark", fish::shark, 0.93, 0, 1},
    {"moray eel", fish::morayEel, 1, 0, 0},
    {"ray", fish::ray, 1, 0, 0},
    {"tuna", fish::tuna, 1, 0, 4},
    {"catfish", fish::catfish, 1, 0, 0},
    {"pike", fish::pike, 1, 0, 0},
    {"goldfish", fish::goldfish, 0.93, 0, 0},
    {"lionfish", fish::lionfish, 1, -5, 0},
    {"butterflyfish", fish::butterflyfish, 1, -1, 0},
    {"boxfish", fish::boxfish, 1, -1, 0},
    {"ocean sunfish", fish::oceanSunfish, 1, -4, 0},
    {"anglerfish", fish::anglerfish, 1, 0, 0},
    {"surgeonfish", fish::surgeonfish, 1, 0, 0},
    {"flying fish", fish::flyingFish, 1, -2, 0},
    {"flounder", fish::flounder, 1, -1, 1},
    {"parrotfish", fish::parrotfish, 1, 0, 3},
    {"betta", fish::betta, 0.88, 0, 0},
}};

} // namespace

void FishPainter::paint(QPainter& p, int s, int variant)
{
    if (s < 0 || s >= kSpeciesCount || variant < 0 || variant > 1) {
        return;
    }
    const auto& [name, draw, scale, dx, dy] = kSpecies[s];
    p.save();
    p.translate(dx + 11 * (1 - scale), dy + 43 * (1 - scale));
    p.scale(scale, scale);
    draw(p, variant);
    p.restore();
}

QString FishPainter::name(int s)
{
    if (s < 0 || s >= kSpeciesCount) {
        return {};
    }
    return QString::fromLatin1(std::get<0>(kSpecies[s]));
}
