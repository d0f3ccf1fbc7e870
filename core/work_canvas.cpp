#include "core/work_canvas.h"

CWorkCanvas gWorkCanvas;

void CWorkCanvas::Init(int width, int height, const std::string& folder, int maxPoints, int originX,
                       int originY) {
  m_width = width;
  m_height = height;
  m_rect = {0, 0, width, height};
  m_ptOrigin = {originX, originY};
  m_nScale = 4;
  m_scaledWidth = width * 4;
  m_scaledHeight = height * 4;
  m_folder = folder;
  m_nMaxPoints = maxPoints;
}
