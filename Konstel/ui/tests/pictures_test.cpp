#include "pictures.h"

#include <gtest/gtest.h>

#include <QImage>
#include <ostream>
#include <set>

#include "test_application.h"

namespace konstel {
namespace {

struct PictureCase {
  const char* resource;
  QSize size_px;
};

void PrintTo(const PictureCase& c, std::ostream* out) {
  *out << c.resource << " " << c.size_px.width() << "x" << c.size_px.height();
}

class KonstelPicture : public ::testing::TestWithParam<PictureCase> {};

// A drawing that failed to load or drew nothing would leave the pixmap one flat colour.
TEST_P(KonstelPicture, RendersAtItsSizeWithVisibleContent) {
  testing::ensureApplication();
  const QPixmap pixmap = renderPicture(GetParam().resource, GetParam().size_px);
  ASSERT_FALSE(pixmap.isNull()) << GetParam().resource;
  EXPECT_EQ(pixmap.size(), GetParam().size_px);

  const QImage image = pixmap.toImage();
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); y += 3) {
    for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
  }
  EXPECT_GT(colours.size(), 4u) << GetParam().resource;
}

INSTANTIATE_TEST_SUITE_P(Resources, KonstelPicture,
                         ::testing::Values(PictureCase{":/pictures/pushpull.svg", {150, 91}},
                                           PictureCase{":/pictures/forward.svg", {150, 91}},
                                           PictureCase{":/pictures/flyback.svg", {150, 91}},
                                           PictureCase{":/pictures/outputchoke.svg", {150, 91}},
                                           PictureCase{":/pictures/magamp.svg", {150, 91}},
                                           PictureCase{":/pictures/pfc.svg", {150, 91}},
                                           PictureCase{":/pictures/bead.svg", {150, 91}},
                                           PictureCase{":/pictures/cmchoke.svg", {150, 91}},
                                           PictureCase{":/pictures/logo.svg", {150, 50}},
                                           PictureCase{":/pictures/webstrip.svg", {150, 16}},
                                           PictureCase{":/pictures/feedback.svg", {172, 126}},
                                           PictureCase{":/pictures/banner.svg", {1020, 176}},
                                           PictureCase{":/pictures/konstel.svg", {32, 32}}));

TEST(KonstelPicture, MissingResourceGivesANullPixmap) {
  testing::ensureApplication();
  EXPECT_TRUE(renderPicture(":/pictures/none.svg", {10, 10}).isNull());
}

}  // namespace
}  // namespace konstel
