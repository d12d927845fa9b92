#pragma once

#include <QString>
#include <QUrl>

namespace vantrel {

// The maker's web site. Its host is named here and nowhere else; the program only
// ever opens the two pages below.
inline constexpr const char* MakerWebSite = "https://vantrel.example";
inline constexpr const char* DonationPagePath = "/sw/donate.html";
inline constexpr const char* HomePagePath = "/";

inline QString MakerPageAddress(const char* path)
{
    return QString::fromLatin1(MakerWebSite) + QLatin1String(path);
}

inline QString DonationPageAddress() { return MakerPageAddress(DonationPagePath); }
inline QString HomePageAddress() { return MakerPageAddress(HomePagePath); }

// The site's name as people read it ("vantrel.example"), for the texts that mention it.
inline QString MakerSiteName() { return QUrl(QString::fromLatin1(MakerWebSite)).host(); }

}  // namespace vantrel
