#pragma once

// The window's controls keep the Czech names they were given; this is what each word means.
// A name starts with its kind: cmd a command button, op an option button, frm a frame (or the
// form itself), n a text box (a caption on the drawing or a cell that holds a setting), lab a
// label. HScroll1 and Line1 to Line7 are the default names a form designer gives.
//
//   frmKavrona        the program's one window (form)
//   cmdStart          Start
//   cmdKonec          konec: the end; the Exit button
//   frmLátka          látka: substance; the frame of water or glass
//   opVoda, nVoda     voda: water
//   opSklo, nSklo     sklo: glass
//   nLátka            the substance cell: "Voda" or "Sklo"
//   frmDopad          dopad: incidence; the frame of the incident angle
//   opMenší           menší: smaller; 35 degrees, below the critical angle
//   opVětší           větší: larger; 60 degrees, beyond it
//   opMezní           mezní: limiting; the critical angle
//   nAlfa             alfa: the incident angle in degrees
//   nAlfaCaption      which angle was chosen: "35", "60" or "Mezní"
//   nIndex            the refractive index; nTextIndex is its caption
//   frmDistance       the frame of Detector H's distance above the boundary
//   opMaláDistance    malá: small; 100 twips
//   opStředníDistance střední: middle; 750 twips
//   opVelkáDistance   velká: large; 1500 twips
//   nDistance         the distance cell
//   frmAnimace        animace: animation; the hidden frame of the pace options
//   opRychlá          rychlá: fast
//   opPomalejší       pomalejší: slower
//   opPomalá          pomalá: slow
//   nSpomaleni        spomalení: slowdown; the count of the pause after each step
//   nDetektorV/H/S    detektor: the detectors V (vertical track), H (in the air), S (in the medium)
//   nPravd2podobnost  pravděpodobnost: probability, typed with the 2 key that gives ě on a Czech
//                     keyboard; the caption "Interference pattern"
//   nCornuovySpirály  Cornuovy spirály: Cornu's spirals (of Detector V)
//   nCornuLatka       Cornu spirals in the substance (of Detector S)
//   nuUplnyOdraz      úplný odraz: total reflection; the title box
//   nAir              the caption of the air
//   labKlepnete       klepněte: click; "Please press button Start"
