// The independent ZPL renderer (zpl-renderer-js 3.4.0) on formats written by
// hand, so that our ZPL output can later be held against it. What it does:
// - ^GFA gives the same dots in plain ASCII hex, in ZPL's run-length
//   compression (G..Y and g..z counts, ',' and ':') and as :Z64: (base64
//   of zlib data). It does not check the Z64 CRC. One quirk: '!' fills
//   the rest of a row with hex digit 1 (0x11 bytes), not with black: write
//   a count and 'F' instead.
// - A graphic's first bit (the high bit of its first byte) is the dot at
//   ^LH + ^FO. ^LH holds for the fields after it and carries into the next
//   format: set it at the start of every format.
// - Each ^XA..^XZ is one picture; ^PQ does not repeat it.
// - The canvas is the size asked for, whatever ^LL says; a ^PW narrower
//   than the canvas centres the printed width on it.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <vector>

#include "printing/Zpl.h"
#include "support/ZplRender.h"

namespace {

// The graphic: 96 x 8 dots, 12 bytes a row, written once as hex and once
// compressed by hand.
const std::vector<QByteArray> kRows = {
    "AAAAAAAAAAAAAAAAAAAAAAAA",  // checkerboard
    "555555555555555555555555",
    "555555555555555555555555",  // the row above again
    "AAAAAAAAAAAAAAAAAAAAAAAA",
    "800000000000000000000001",  // the first and the last dot
    "004000000000000000000000",  // x = 9
    "FFFFFFFFFFFFFFFFFFFFFFFF",
    "000000000000000000000003",  // x = 94, 95
};
// The same rows run-length compressed: "gJA" is 24 x 'A', ':' repeats the
// row above, ',' fills the rest of a row with 0.
const QByteArray kCompressed = "gJAgJ5:gJA8gH01H04,gJFgI03";
constexpr int kRowBytes = 12;

QByteArray Hex() {
  QByteArray hex;
  for (const QByteArray& r : kRows) hex += r;
  return hex;
}

QByteArray Z64() {
  // qCompress puts the length in four bytes before the zlib stream.
  const QByteArray zlib = qCompress(QByteArray::fromHex(Hex()), 9).mid(4);
  const QByteArray base64 = zlib.toBase64();
  return ":Z64:" + base64 + ":" + QByteArray::number(ZplCrc16(base64), 16).toUpper().rightJustified(4, '0');
}

QByteArray Gf(const QByteArray& data, int bytes, int rowBytes) {
  return "^GFA," + QByteArray::number(bytes) + "," + QByteArray::number(bytes) + "," + QByteArray::number(rowBytes) +
         "," + data + "^FS";
}

constexpr int kWidth = 120, kHeight = 30;

// One format: a dot at the origin, the graphic at ^LH 3,2 + ^FO 17,5, and a
// dot in the last corner.
QByteArray Format(const QByteArray& data, const QByteArray& extra = {}) {
  return "^XA^LH3,2^PW" + QByteArray::number(kWidth) + "^LL" + QByteArray::number(kHeight) + "^FO0,0" +
         Gf("80", 1, 1) + "^FO17,5" + Gf(data, kRowBytes * int(kRows.size()), kRowBytes) + "^FO" +
         QByteArray::number(kWidth - 1 - 3) + "," + QByteArray::number(kHeight - 1 - 2) + Gf("80", 1, 1) + extra +
         "^XZ\r\n";
}

// The label the formats above must print, dot by dot from the rows.
QImage Expected() {
  QImage image(kWidth, kHeight, QImage::Format_Mono);
  image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  image.fill(0);
  image.setPixel(3, 2, 1);
  image.setPixel(kWidth - 1, kHeight - 1, 1);
  for (int y = 0; y < int(kRows.size()); ++y) {
    const QByteArray bytes = QByteArray::fromHex(kRows[size_t(y)]);
    for (int x = 0; x < bytes.size() * 8; ++x)
      if (quint8(bytes[x / 8]) & (0x80 >> (x % 8))) image.setPixel(20 + x, 7 + y, 1);
  }
  return image;
}

class ZplRendererTest : public ::testing::TestWithParam<int> {};

TEST_P(ZplRendererTest, GraphicFieldInEveryEncodingPrintsTheSameDots) {
  const ZplRendering r =
      RenderZpl(Format(Hex()) + Format(kCompressed) + Format(Z64()), GetParam(), QSize(kWidth, kHeight));
  ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
  ASSERT_EQ(r.labels.size(), 3u);
  const char* names[] = {"hex", "compressed", "Z64"};
  for (size_t i = 0; i < r.labels.size(); ++i) {
    EXPECT_EQ(r.labels[i].size(), QSize(kWidth, kHeight)) << names[i];
    EXPECT_EQ(DifferingDots(r.labels[i], Expected()), 0) << names[i];
  }
}

INSTANTIATE_TEST_SUITE_P(DotsPerMm, ZplRendererTest, ::testing::Values(8, 12, 24));

TEST(ZplRenderer, QuantityDoesNotRepeatTheLabel) {
  const ZplRendering r = RenderZpl(Format(Hex(), "^PQ3"), 8, QSize(kWidth, kHeight));
  ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
  ASSERT_EQ(r.labels.size(), 1u);
  EXPECT_EQ(DifferingDots(r.labels[0], Expected()), 0);
}

TEST(ZplRenderer, NarrowerPrintWidthIsCentred) {
  // A 100-dot print width on a 120-dot canvas: the dot at 0,0 lands at 10,0.
  const ZplRendering r = RenderZpl("^XA^LH0,0^PW100^FO0,0" + Gf("80", 1, 1) + "^XZ", 8, QSize(kWidth, kHeight));
  ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
  ASSERT_EQ(r.labels.size(), 1u);
  QImage expected(kWidth, kHeight, QImage::Format_Mono);
  expected.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
  expected.fill(0);
  expected.setPixel(10, 0, 1);
  EXPECT_EQ(DifferingDots(r.labels[0], expected), 0);
}

// Our reader of graphic fields, on the same hand-written data, and on
// what our writers make of a picture with runs, repeats and noise.
TEST(ZplGraphic, OurReaderGetsTheDotsOfEveryEncodingAndRefusesDamage) {
  const QByteArray dots = QByteArray::fromHex(Hex());
  const int total = int(dots.size());
  EXPECT_EQ(printing::zpl::Uitgepakt(Hex(), kRowBytes, total), dots);
  EXPECT_EQ(printing::zpl::Uitgepakt(kCompressed, kRowBytes, total), dots);
  EXPECT_EQ(printing::zpl::Uitgepakt(Z64(), kRowBytes, total), dots);

  QByteArray picture(40 * 37, '\0');
  for (int i = 0; i < picture.size(); ++i) picture[i] = char(i % 40 < 9 ? 0xFF : (i / 40) % 5 == 0 ? i * 37 : 0);
  for (const QByteArray& written : {printing::zpl::Ingepakt(picture.constData(), 40, 37),
                                    printing::zpl::Z64(picture.constData(), picture.size(), 40)})
    EXPECT_EQ(printing::zpl::Uitgepakt(written, 40, picture.size()), picture) << written.left(40).toStdString();

  // A wrong CRC, a cut stream, a graphic with more dots than it says.
  QByteArray crc = Z64();
  crc[crc.size() - 1] = crc.endsWith('0') ? '1' : '0';
  EXPECT_FALSE(printing::zpl::Uitgepakt(crc, kRowBytes, total));
  EXPECT_FALSE(printing::zpl::Uitgepakt(kCompressed.chopped(2), kRowBytes, total));
  EXPECT_FALSE(printing::zpl::Uitgepakt(Hex() + "00", kRowBytes, total));
  EXPECT_FALSE(printing::zpl::Uitgepakt(Z64(), kRowBytes, total - kRowBytes));
}

}  // namespace
