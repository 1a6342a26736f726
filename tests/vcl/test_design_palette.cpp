// The component palette: pages and their components in registration order, palette images found
// by class name, and the libraries' descriptions.

#include <gtest/gtest.h>

#include "platform/resources.h"
#include "platform/vcl/component_class.h"
#include "platform/vcl/design_palette.h"
#include "platform/vcl/errors.h"
#include "tests/vcl/design_samples.h"

namespace {

class PaletteTest : public ::testing::Test {
 protected:
  void TearDown() override {
    UnregisterComponents({gauge, roundGauge, component});
    UnregisterBitmapResource("TGAUGE");
    UnregisterLibraryDescription("Gauges");
    UnregisterLibraryDescription("Dials");
  }

  const TComponentClass* gauge = &TGauge::StaticClass();
  const TComponentClass* roundGauge = &TRoundGauge::StaticClass();
  const TComponentClass* component = &TComponent::StaticClass();
};

using Classes = std::vector<const TComponentClass*>;

TEST_F(PaletteTest, PagesAndTheirComponentsKeepRegistrationOrder) {
  RegisterComponents("Samples", {roundGauge});
  RegisterComponents("Morvale", {gauge});
  RegisterComponents("samples", {component});

  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Samples", "Morvale"}));
  EXPECT_EQ(PaletteComponents("SAMPLES"), (Classes{roundGauge, component}));
  EXPECT_EQ(PaletteComponents("Morvale"), (Classes{gauge}));
  EXPECT_EQ(PalettePageOf(*component), "Samples");
  EXPECT_TRUE(PaletteComponents("Standard").empty());
  EXPECT_EQ(PalettePageOf(TRoundGauge::StaticClass()), "Samples");
}

TEST_F(PaletteTest, RegisteringAgainNeitherRepeatsNorMovesAComponent) {
  RegisterComponents("Morvale", {gauge, roundGauge});
  RegisterComponents("Morvale", {gauge});
  RegisterComponents("Other", {roundGauge});

  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Morvale"}));
  EXPECT_EQ(PaletteComponents("Morvale"), (Classes{gauge, roundGauge}));
}

TEST_F(PaletteTest, PaletteComponentsBecomeKnownToFormFiles) {
  RegisterComponents("Morvale", {gauge});
  EXPECT_EQ(GetClass("tgauge"), gauge);
}

TEST_F(PaletteTest, AnUnnamedPageIsRefused) {
  EXPECT_THROW(RegisterComponents("", {gauge}), EComponentError);
  EXPECT_TRUE(PalettePages().empty());
}

TEST_F(PaletteTest, UnregisteringTakesComponentsOffAndDropsEmptyPages) {
  RegisterComponents("Morvale", {gauge});
  RegisterComponents("Samples", {roundGauge, component});
  UnregisterComponents({gauge, component});

  EXPECT_EQ(PalettePages(), (std::vector<std::string>{"Samples"}));
  EXPECT_EQ(PaletteComponents("Samples"), (Classes{roundGauge}));
  EXPECT_EQ(PalettePageOf(*gauge), "");
}

TEST_F(PaletteTest, ThePaletteImageIsTheBitmapResourceNamedByTheClassInCapitals) {
  EXPECT_EQ(PaletteImage(*gauge), nullptr);

  TBitmap picture(24, 24, 0x0000FF);
  picture.SetPixel(3, 4, 0x00FF00);
  RegisterBitmapResource("tGauge", picture);

  const TBitmap* image = PaletteImage(*gauge);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image, FindBitmapResource("TGAUGE"));
  EXPECT_EQ(image->Width(), 24);
  EXPECT_EQ(image->Pixel(3, 4), 0x00FF00u);
  EXPECT_EQ(PaletteImage(*roundGauge), nullptr);  // a descendant has its own picture or none
}

TEST_F(PaletteTest, ABitmapRegisteredAgainReplacesTheOldOne) {
  RegisterBitmapResource("TGAUGE", TBitmap(16, 16));
  RegisterBitmapResource("TGAUGE", TBitmap(24, 24));
  EXPECT_EQ(FindBitmapResource("TGAUGE")->Width(), 24);
  UnregisterBitmapResource("tgauge");
  EXPECT_EQ(FindBitmapResource("TGAUGE"), nullptr);
}

TEST_F(PaletteTest, LibraryDescriptionsKeepInstallationOrderWithoutRepeats) {
  RegisterLibraryDescription("Gauges");
  RegisterLibraryDescription("Dials");
  RegisterLibraryDescription("Gauges");
  EXPECT_EQ(LibraryDescriptions(), (std::vector<std::string>{"Gauges", "Dials"}));

  UnregisterLibraryDescription("Gauges");
  EXPECT_EQ(LibraryDescriptions(), (std::vector<std::string>{"Dials"}));
}

}  // namespace
