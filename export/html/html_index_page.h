// The index page of a frame run, kept by the one HTML index writer.
#pragma once

#include "export/animation/frame_movie_outputs.h"

class CHtmlIndexPage final : public FrameIndexPage {
 public:
  void Init(const std::string& base, int openWhenDone, const tmb::Rect& canvas) override;
  void AddImageName(const std::string& name) override;
  void AddCaption(const std::string& caption) override;
  void Write() override;
};

// The page the main frame installs.
extern CHtmlIndexPage gHtmlIndexPage;
