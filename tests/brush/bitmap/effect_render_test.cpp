// Running a definition's script on a picture: the order of its effects, the background
// colour they see and what the run leaves as it was.
#include <gtest/gtest.h>

#include <vector>

#include "brush/bitmap/image_effect.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "core/effect/effect_def.h"
#include "platform/text/code_page.h"

namespace {

struct Step {
  int effect, pass, running;
  tmb::Colour background;
};
std::vector<Step> gSteps;

void Record(CEffectDef& def, tmb::DeviceContext*, tmb::Surface*, tmb::Surface*, int pass, CEffectRandom&) {
  gSteps.push_back({def.m_nCurrentEffect, pass, gDrawState.m_bEffectRunning, def.m_colour1[54]});
}

class EffectRender : public testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    gWorkCanvas.Init(20, 10, "", 32000, 32, 32);
    image.Create(20, 10, tmb::PixelFormat::kColour32);
    work.Create(20, 10, tmb::PixelFormat::kColour32);
    image.Fill(0xFFFFFF);
    image.SetPixel(3, 4, 0x00FF00);
    for (int e : {6, 7, 55}) gImageEffectRoutines[e] = Record;
    gSteps.clear();
    def.m_script = tmb::Utf8ToSjis("影 2\r\n浮き彫り 3\r\nカラー変更/用紙部\r\n影 4\r\n").value();
    def.Parse();
    def.m_region = {0, 0, 20, 10};
    def.m_colour1[54] = 0x0000FF;
    def.m_colour1[55] = 0xFF0000;
    def.m_nCurrentEffect = 33;
  }
  void TearDown() override {
    ResetImageEffectRoutines();
    gWorkCanvas.Reset();
  }

  tmb::Surface image, work;
  CEffectDef def;
};

TEST_F(EffectRender, RunsEveryEntryInOrderAndRestoresWhatItChanged) {
  def.Render(nullptr, &image, &work, 0);
  ASSERT_EQ(gSteps.size(), 4u);
  EXPECT_EQ((std::vector<int>{gSteps[0].effect, gSteps[1].effect, gSteps[2].effect, gSteps[3].effect}),
            (std::vector<int>{7, 6, 55, 7}));
  for (const Step& s : gSteps) {
    EXPECT_EQ(s.pass, 1);
    EXPECT_EQ(s.running, 1);
  }
  EXPECT_EQ(gSteps[0].background, 0x0000FFu);
  EXPECT_EQ(gSteps[3].background, 0xFF0000u) << "the paper effect made the paper colour the background";
  EXPECT_EQ(gDrawState.m_bEffectRunning, 0);
  EXPECT_EQ(def.m_nCurrentEffect, 33);
  EXPECT_EQ(def.m_colour1[54], 0x0000FFu);
  gSteps.clear();
  def.Render(nullptr, &image, &work, 1);
  EXPECT_EQ(gSteps[0].pass, 2) << "a run over many files";
}

TEST_F(EffectRender, TheSamplePointGivesTheBackgroundOnlyInsideThePicture) {
  def.m_nColourSource = 1;
  def.m_ptSample = {3, 4};
  def.Render(nullptr, &image, &work, 0);
  EXPECT_EQ(gSteps[0].background, 0x00FF00u);
  for (tmb::Point outside : {tmb::Point{20, 4}, tmb::Point{-1, 0}, tmb::Point{3, 10}}) {
    gSteps.clear();
    def.m_ptSample = outside;
    def.Render(nullptr, &image, &work, 0);
    EXPECT_EQ(gSteps[0].background, 0x0000FFu) << outside.x << "," << outside.y;
  }
  EXPECT_EQ(def.m_colour1[54], 0x0000FFu);
}

}  // namespace
