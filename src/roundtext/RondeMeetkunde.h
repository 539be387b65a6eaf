#pragma once
#include <QtGlobal>
#include <functional>
#include <vector>
#include "roundtext/Layer.h"

namespace roundtext {

// The geometry of text set along a circle, free of fonts and drawing so that
// it can be checked on its own. Angles are radians, 0 at the top of the
// circle and growing counter-clockwise on the screen (y grows downwards): a
// point at angle a and distance p from the centre lies at
// (cx - p * sin a, cy - p * cos a). Picture sizes and positions are dots of
// the label printer's finest resolution.

// The round-text picture is made at 12 dots per mm, whatever the printer.
inline constexpr float RondeResolutie = 12.0f;
// Points to dots at 304.8 dots per inch, kept as a 32-bit float.
inline constexpr float PuntNaarDot = static_cast<float>(304.79999999999995 / 72);
// These two are the program's own values, not the full-precision ones: the
// boxes and rotations must come out the same as they always have.
inline constexpr double RondePi = 3.1415926;
inline constexpr double VolleCirkel = 6.2831852;
// A larger radius would ask for a picture of more than a metre square.
inline constexpr float GrootsteStraal = 500.0f;

// Metrics of the upright font in whole dots, as a device font reports them.
struct LetterMaten {
  qint32 H = 0;   // cell height
  qint32 IL = 0;  // internal leading
  qint32 EL = 0;  // external leading
};

// What the geometry needs of a round text.
struct RondeOpmaak {
  float Straal = 0;         // mm, the outer edge of the lettering
  bool Wijzerzin = true;    // clockwise
  qint16 Uitlijning = 0;    // 0 starts, 1 ends, 2 is centred at the reference angle
  float Referentiepunt = 0; // degrees
};

// The picture box: extremes in mm from the centre, and the picture's size
// and the centre's place in it in dots.
struct RondKader {
  double MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
  qint32 Breedte = 0, Hoogte = 0;
  qint32 MiddenX = 0, MiddenY = 0;
  bool VolleCirkel = false;
};

// Where one character goes: the top-left corner of its cell in dots, and the
// rotation of its baseline in tenths of a degree, counter-clockwise.
struct KarakterPlek {
  qint32 X = 0, Y = 0;
  qint32 Escapement = 0;
  double Hoek = 0;     // angle of the character's middle
  double Advance = 0;  // dots
};

struct RondeZetting {
  RondKader Kader;
  std::vector<KarakterPlek> Plekken;
  double Boog = 0;   // total arc angle, negative clockwise
  double Start = 0;  // angle where the text begins
  int Passen = 0;
};

// Cell height in dots of a font of the given points: 12 pt gives 51.
qint32 RondeCelhoogte(qint16 punten);
// The circle the character advances are laid along: R * 12 + IL - H dots.
double Werkstraal(float straal, const LetterMaten& m);
double BoogHoek(double totaal, double werkstraal, bool wijzerzin);
double StartHoek(float referentiepunt, qint16 uitlijning, double boog);
// True when the arc from van to tot (van <= tot) passes hoek or a whole turn from it.
bool PasseertHoek(double van, double tot, double hoek);
RondKader BerekenKader(float straal, double start, double boog, const LetterMaten& m);
KarakterPlek PlekVanKarakter(double hoek, double advance, double werkstraal, const LetterMaten& m, qint32 cx,
                             qint32 cy, bool wijzerzin);

// Measures the advance of character `index` with a font rotated by
// `escapement`. Outline fonts give the same advance at every angle; a device
// whose rotated fonts measure differently makes the layout take a second pass.
using MeetAdvance = std::function<double(int index, qint32 escapement)>;

// Lays the characters with the given upright advances along the circle: at
// most two passes, the second only when the advances measured while placing
// (each with the font of the character before it) add up differently.
RondeZetting ZetRondeTekst(const RondeOpmaak& opmaak, const LetterMaten& m, const std::vector<double>& advances,
                           const MeetAdvance& meet = {});
// What ZetRondeTekst gives without a measuring function, but for the
// characters' places (Plekken stays empty, Passen is 1): the box is known
// at once, the places when the text is drawn.
RondeZetting ZetRondeBoog(const RondeOpmaak& opmaak, const LetterMaten& m, const std::vector<double>& advances);

}  // namespace roundtext
