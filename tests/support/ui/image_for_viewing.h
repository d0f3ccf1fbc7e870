// Qt images that tests leave under <build dir>/pictures/ for a person to look at, beside
// the surfaces SavePictureForViewing leaves there.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <string>

namespace tmb::test {

// Writes image as <build dir>/pictures/<name>.png, the folder made when missing; whether
// it was written.
inline bool SaveImageForViewing(const QImage& image, const std::string& name) {
  const QString folder = QStringLiteral(TMB_BUILD_DIR "/pictures");
  return QDir().mkpath(folder) && image.save(folder + QLatin1Char('/') + QString::fromStdString(name) + ".png");
}

}  // namespace tmb::test
