// The drawing surface the view paints on: rectangles, texts in their cells,
// the font made from its description, and the ownership of drawing objects.

#include "framework/CBrush.h"
#include "framework/CDC.h"
#include "framework/CFont.h"
#include "framework/CView.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr QRgb kUntouched = qRgb(0, 255, 0);

QImage Canvas(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kUntouched);
  return image;
}

LOGFONTA Description(const char* face, int height) {
  LOGFONTA logFont{};
  logFont.lfHeight = height;
  // Up to 32 bytes: a face that fills them all has no terminating zero.
  std::memcpy(logFont.lfFaceName, face, std::min<std::size_t>(std::strlen(face), LF_FACESIZE));
  return logFont;
}

HFONT MakeFont(const char* face, int height) {
  const LOGFONTA logFont = Description(face, height);
  return CreateFontIndirectA(&logFont);
}

TEST(DrawingSurface, RectangleOutlinesInBlackAndFillsWithTheBrush) {
  struct Row {
    const char* name;
    QRect rect;  // left, top, right, bottom: right and bottom exclusive
    bool painted;
  };
  const Row rows[] = {
      {"whole surface", {QPoint(0, 0), QPoint(40, 30)}, true},
      {"inside", {QPoint(5, 7), QPoint(25, 20)}, true},
      {"two by two: outline only", {QPoint(3, 3), QPoint(5, 5)}, true},
      {"one pixel", {QPoint(9, 9), QPoint(10, 10)}, true},
      {"past the edges: clipped", {QPoint(30, 20), QPoint(60, 50)}, true},
      {"empty", {QPoint(8, 8), QPoint(8, 20)}, false},
      {"reversed", {QPoint(20, 20), QPoint(10, 10)}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QImage image = Canvas(40, 30);
    const int l = row.rect.left(), t = row.rect.top(), r = row.rect.right(), b = row.rect.bottom();
    {
      CDC dc(&image);
      CBrush brush(RGB(66, 66, 66));
      dc.SelectObject(&brush);
      EXPECT_EQ(dc.Rectangle(l, t, r, b), row.painted);
    }
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const bool inside = row.painted && x >= l && x < r && y >= t && y < b;
        const bool outline = inside && (x == l || x == r - 1 || y == t || y == b - 1);
        const QRgb expected = !inside ? kUntouched : outline ? qRgb(0, 0, 0) : qRgb(66, 66, 66);
        ASSERT_EQ(image.pixel(x, y), expected) << "at (" << x << ", " << y << ")";
      }
    }
  }
}

TEST(DrawingSurface, TheSurfaceKeepsItsOwnCopyOfWhatWasSelected) {
  QImage image = Canvas(20, 20);
  CDC dc(&image);
  {
    CBrush brush(RGB(10, 20, 30));
    dc.SelectObject(&brush);
    CBrush deleted(RGB(200, 0, 0));
    deleted.DeleteObject();
    dc.SelectObject(&deleted);  // holds no brush: changes nothing
  }
  EXPECT_TRUE(dc.Rectangle(0, 0, 20, 20));
  EXPECT_EQ(image.pixel(10, 10), qRgb(10, 20, 30));
}

TEST(DrawingSurface, TextFillsItsRowOfCellsThenDrawsItsGlyphs) {
  struct Row {
    const char* name;
    const char* bytes;  // Windows-1252
    int count;
    QString characters;  // what must be drawn
  };
  const Row rows[] = {
      {"plain", "Nikon", 5, u"Nikon"_qs},
      {"count stops the text", "Nikon D70", 5, u"Nikon"_qs},
      {"Windows-1252 letters", "\xE9t\xE9 \x80", 5, u"été €"_qs},
      {"trailing spaces are cells too", "N   ", 4, u"N   "_qs},
      {"nothing", "", 0, u""_qs},
  };
  CFont font;
  ASSERT_TRUE(font.Attach(MakeFont("Times new roman", 40)));
  const QFontMetrics metrics(*font.GetFont());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    QImage image = Canvas(300, 80);
    {
      CDC dc(&image);
      dc.SelectObject(&font);
      dc.SetBkColor(RGB(0, 0, 255));
      dc.SetTextColor(RGB(255, 0, 0));
      EXPECT_TRUE(dc.TextOut(30, 20, row.bytes, row.count));
    }
    // Inside the cells: background blue, glyphs red, and blends of the two;
    // never the canvas's green. Outside: untouched.
    const QRect cells(30, 20, metrics.horizontalAdvance(row.characters), 40);
    bool red = false;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        if (!cells.contains(x, y)) {
          ASSERT_EQ(p, kUntouched) << "outside the cells at (" << x << ", " << y << ")";
        } else {
          ASSERT_EQ(qGreen(p), 0) << "cell not filled at (" << x << ", " << y << ")";
          red = red || p == qRgb(255, 0, 0);
        }
      }
    }
    EXPECT_EQ(red, row.characters.trimmed().size() > 0);
  }
}

TEST(DrawingSurface, TextWithoutCharactersOrDeviceIsRefused) {
  QImage image = Canvas(20, 20);
  CDC dc(&image);
  EXPECT_FALSE(dc.TextOut(0, 0, nullptr, 3));
  EXPECT_FALSE(dc.TextOut(0, 0, "abc", -1));
  CDC nowhere(nullptr);
  EXPECT_FALSE(nowhere.IsPainting());
  EXPECT_FALSE(nowhere.TextOut(0, 0, "abc", 3));
  EXPECT_FALSE(nowhere.Rectangle(0, 0, 5, 5));
  EXPECT_EQ(image, Canvas(20, 20));
}

TEST(DrawingSurface, AFontIsMadeWithTheCellHeightItWasAskedFor) {
  struct Row {
    const char* name;
    const char* face;
    int height;
  };
  const Row rows[] = {
      {"the display font", "Times new roman", 40},
      {"smaller", "Times new roman", 13},
      {"a face that is not installed", "No such face at all", 40},
      {"a face of 32 bytes without its zero", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345", 40},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const HFONT font = MakeFont(row.face, row.height);
    ASSERT_NE(font, nullptr);
    const QFontMetrics metrics(font->font);
    EXPECT_LE(metrics.ascent() + metrics.descent(), row.height);
    // The largest such size: one pixel more would not fit.
    QFont larger = font->font;
    larger.setPixelSize(larger.pixelSize() + 1);
    const QFontMetrics largerMetrics(larger);
    EXPECT_GT(largerMetrics.ascent() + largerMetrics.descent(), row.height);
  }
  // Liberation Serif, the installed stand-in, has a 40-pixel cell exactly.
  const QFontMetrics display(MakeFont("Times new roman", 40)->font);
  EXPECT_EQ(display.ascent() + display.descent(), 40);
}

TEST(DrawingSurface, NoFontIsMadeFromAMissingOrNonPositiveHeight) {
  EXPECT_EQ(CreateFontIndirectA(nullptr), nullptr);
  for (int height : {0, -40}) {
    const LOGFONTA logFont = Description("Times new roman", height);
    EXPECT_EQ(CreateFontIndirectA(&logFont), nullptr) << "height " << height;
  }
}

TEST(DrawingSurface, AWrapperOwnsOneObjectAtATime) {
  CFont font;
  EXPECT_FALSE(font.DeleteObject());
  EXPECT_FALSE(font.Attach(nullptr));
  const LOGFONTA logFont = Description("Times new roman", 40);
  EXPECT_TRUE(font.Attach(CreateFontIndirectA(&logFont)));
  const GdiObject* held = font.GetSafeHandle();
  EXPECT_FALSE(font.Attach(CreateFontIndirectA(&logFont)));  // refused and deleted
  EXPECT_EQ(font.GetSafeHandle(), held);
  EXPECT_TRUE(font.DeleteObject());
  EXPECT_EQ(font.GetFont(), nullptr);
}

TEST(DrawingSurface, TheClientRectIsTheSizeOfTheDeviceTheViewPaintsOn) {
  struct Probe : CView {
    void OnDraw(CDC*) override {}
  } view;
  CRect rect{1, 2, 3, 4};
  view.GetClientRect(&rect);
  EXPECT_EQ(rect, (CRect{0, 0, 0, 0}));
  QImage image = Canvas(588, 365);
  view.SetPaintDevice(&image);
  view.GetClientRect(&rect);
  EXPECT_EQ(rect, (CRect{0, 0, 588, 365}));
}

}  // namespace
