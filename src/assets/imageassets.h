#pragma once

#include <QString>

namespace zorvan {

class UserPrompts;

inline constexpr int kProxyLimit = 1600;
inline constexpr int kReductionLimit = 3200;
inline constexpr qint64 kReductionSizeThreshold = 5'000'000;
inline constexpr int kLowResolutionThreshold = 512;
inline constexpr int kPictureJpegQuality = 80;
inline constexpr int kRemadeProxyJpegQuality = 60;

inline const QString kBackgroundFileName = QStringLiteral("Background.jpg");
inline const QString kBackgroundProxyFileName = QStringLiteral("Background_Proxy.jpg");

inline const QString kLowResolutionMessage =
    QStringLiteral("This %1 x %2 pixel image is low resolution and may result in the picture not being crisp.");
inline const QString kProxySaveFailedMessage =
    QStringLiteral("Unable to Save proxy File.\n\n Please call Trelmont Tech Support.");
inline const QString kBackgroundProxySaveFailedMessage =
    QStringLiteral("Unable to Save Background proxy File.\n\n Please call Trelmont Tech Support.");
inline const QString kUnsupportedBackgroundMessage =
    QStringLiteral("Sorry! Pictorix does not support this image format!");

// What the picture and background operations work with: this run's work
// folder and whoever shows their messages.
struct ImageAssets {
    QString workFolder;
    UserPrompts &prompts;

    QString file(const QString &name) const;
};

} // namespace zorvan
