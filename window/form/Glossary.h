#pragma once

// The window's controls keep the Czech names they were given; this is what each word means, and
// the one place each name is written. A name starts with its kind: cmd a command button, op an
// option button, frm a frame (or the form itself), n a text box (a caption on the drawing or a
// cell that holds a setting), lab a label. HScroll1 and Line1 to Line7 are the default names a
// form designer gives. Code names a control by these constants, so that a misspelt name does not
// compile.
namespace window::name {

// The program's one window (form).
inline constexpr const char* frmKavrona = "frmKavrona";
// Start; konec: the end, the Exit button.
inline constexpr const char* cmdStart = "cmdStart";
inline constexpr const char* cmdKonec = "cmdKonec";
// látka: substance; the frame of water (voda) or glass (sklo), and the captions on the drawing.
inline constexpr const char* frmLátka = "frmLátka";
inline constexpr const char* opVoda = "opVoda";
inline constexpr const char* opSklo = "opSklo";
inline constexpr const char* nVoda = "nVoda";
inline constexpr const char* nSklo = "nSklo";
// The substance cell: "Voda" or "Sklo".
inline constexpr const char* nLátka = "nLátka";
// dopad: incidence; the frame of the incident angle. menší: smaller, 35 degrees, below the
// critical angle; větší: larger, 60 degrees, beyond it; mezní: limiting, the critical angle.
inline constexpr const char* frmDopad = "frmDopad";
inline constexpr const char* opMenší = "opMenší";
inline constexpr const char* opVětší = "opVětší";
inline constexpr const char* opMezní = "opMezní";
// alfa: the incident angle in degrees; its caption cell says which angle was chosen: "35",
// "60" or "Mezní".
inline constexpr const char* nAlfa = "nAlfa";
inline constexpr const char* nAlfaCaption = "nAlfaCaption";
// The refractive index, and its caption.
inline constexpr const char* nIndex = "nIndex";
inline constexpr const char* nTextIndex = "nTextIndex";
// The frame of Detector H's distance above the boundary. malá: small, 100 twips; střední:
// middle, 750; velká: large, 1500. The distance cell.
inline constexpr const char* frmDistance = "frmDistance";
inline constexpr const char* opMaláDistance = "opMaláDistance";
inline constexpr const char* opStředníDistance = "opStředníDistance";
inline constexpr const char* opVelkáDistance = "opVelkáDistance";
inline constexpr const char* nDistance = "nDistance";
// animace: animation; the hidden frame of the pace options. rychlá: fast; pomalejší: slower;
// pomalá: slow. spomalení: slowdown, the count of the pause after each step.
inline constexpr const char* frmAnimace = "frmAnimace";
inline constexpr const char* opRychlá = "opRychlá";
inline constexpr const char* opPomalejší = "opPomalejší";
inline constexpr const char* opPomalá = "opPomalá";
inline constexpr const char* nSpomaleni = "nSpomaleni";
// The scroll bar that sets the slowdown.
inline constexpr const char* HScroll1 = "HScroll1";
// detektor: the detectors V (vertical track), H (in the air), S (in the medium).
inline constexpr const char* nDetektorV = "nDetektorV";
inline constexpr const char* nDetektorH = "nDetektorH";
inline constexpr const char* nDetektorS = "nDetektorS";
// pravděpodobnost: probability, typed with the 2 key that gives ě on a Czech keyboard; the
// caption "Interference pattern".
inline constexpr const char* nPravd2podobnost = "nPravd2podobnost";
// Cornuovy spirály: Cornu's spirals, of Detector V; and those in the substance, of Detector S.
inline constexpr const char* nCornuovySpirály = "nCornuovySpirály";
inline constexpr const char* nCornuLatka = "nCornuLatka";
// úplný odraz: total reflection; the title box.
inline constexpr const char* nuUplnyOdraz = "nuUplnyOdraz";
// The caption of the air.
inline constexpr const char* nAir = "nAir";
// klepněte: click; "Please press button Start".
inline constexpr const char* labKlepnete = "labKlepnete";
// The line controls, each beside a line every run draws.
inline constexpr const char* Line1 = "Line1"; // Detector H's track, moved with its distance
inline constexpr const char* Line2 = "Line2"; // Detector V's track
inline constexpr const char* Line3 = "Line3"; // Detector S's track
inline constexpr const char* Line4 = "Line4"; // the boundary
inline constexpr const char* Line5 = "Line5"; // below the base line of Detector S's spirals
inline constexpr const char* Line6 = "Line6"; // the start line of Detector V's spirals
inline constexpr const char* Line7 = "Line7"; // the normal

} // namespace window::name
