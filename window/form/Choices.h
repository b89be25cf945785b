#pragma once

#include "sim/RunSettings.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The choices the option buttons make, and the words the cells keep them in. The cells' Czech
// words are the window's own; a run sees only the values they name, turned once, where Start
// reads the cells (caseNamed). A new substance is one row of the substance table, with its option
// and caption in the design and their translations.
namespace window {

// A substance: the word its cell holds, its option and the box that captions the drawing, the
// word that names its pictures and links, the words a run's statement says the light goes back into it
// with, the index and critical angle written into the cells when it is chosen (the critical angle
// a fixed text, not the arcsine of 1/n), and what a run needs of it.
struct Substance {
    const char* word;
    const char* option;
    const char* caption;
    const char* fileWord;
    const char* backInto;
    const char* named; // the substance as a worksheet's sentence names it: "the %1"
    double index;
    double criticalAngle;
    sim::Medium medium;
};

// An incident angle: the word nAlfaCaption holds, its option, the case it names, the word that
// names its pictures and links, and the degrees it writes into nAlfa (none for the critical
// angle, which the substance decides).
struct Angle {
    const char* word;
    const char* option;
    sim::Incidence incidence;
    const char* fileWord;
    int degrees;
};

// A height of Detector H's track above the boundary: its option, the twips nDistance holds (and
// the word it holds them as), where Line1 marks the track and where the label beside it stands.
struct Distance {
    const char* option;
    int twips;
    sim::Track track;
    int lineY;
    int labelTop;
};

// A pace of the run: its (hidden) option, the word that names it in links, and the slowdown it
// writes into nSpomaleni.
struct Pace {
    const char* option;
    const char* linkWord;
    int slowdown;
};

std::span<const Substance> substances();
std::span<const Angle> angles();
std::span<const Distance> distances();
std::span<const Pace> paces();

// What the option of that name chooses; the option must be one of the table's.
const Substance& substanceChosenBy(std::string_view option);
const Angle& angleChosenBy(std::string_view option);
const Distance& distanceChosenBy(std::string_view option);
const Pace& paceChosenBy(std::string_view option);

// What a cell's word names; nothing for a word that names none, as a word typed into a cell may.
const Substance* substanceNamed(std::string_view word);
const Angle* angleNamed(std::string_view word);
const Distance* distanceNamed(std::string_view word);

// The rows a run's case came from: its medium's substance, its incidence's angle option, its
// track's distance; nothing where the cells named none.
const Substance* substanceOf(const sim::RunSettings& run);
const Angle* angleOf(const sim::RunSettings& run);
const Distance* distanceOf(const sim::RunSettings& run);

// The substance whose own index this is, as its option writes it; nothing for any other index.
const Substance* substanceWithIndex(double index);

// The substance a critical angle is taken from when nLátka names none.
const Substance& unnamedSubstance();

// A name for a picture of the window (or its readings) from the three cells' words, such as
// "glass-critical-750"; "other" for a word that names nothing.
std::string fileName(std::string_view angle, std::string_view substance, std::string_view distance);
// The same name for what a run made, from the case it ran: its settings' incidence, medium and
// track, whatever the cells hold since.
std::string fileName(const sim::RunSettings& run);

// A run's case from the three cells' words: what a word does not name is left empty.
sim::RunSettings caseNamed(std::string_view angle, std::string_view substance, std::string_view distance);

} // namespace window
