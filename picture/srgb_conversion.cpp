// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture/srgb_conversion.h"

#include <lcms2.h>

#include <cmath>
#include <cstdlib>

namespace {

using ProfilePtr = std::unique_ptr<void, decltype(&cmsCloseProfile)>;
using TransformPtr = std::unique_ptr<void, decltype(&cmsDeleteTransform)>;

// PNG stores gamma and chromaticities in units of 1/100000.
constexpr double kUnit = 1e-5;
constexpr double kSrgbGamma = 45455 * kUnit;
constexpr Chromaticities kSrgbPrimaries{0.3127, 0.3290, 0.64, 0.33, 0.30, 0.60, 0.15, 0.06};

bool NearlyEqual(double a, double b, double dTolerance) { return std::abs(a - b) <= dTolerance; }

bool IsSrgbPrimaries(const Chromaticities& c)
{
    const double got[] = {c.whiteX, c.whiteY, c.redX, c.redY, c.greenX, c.greenY, c.blueX, c.blueY};
    const double want[] = {kSrgbPrimaries.whiteX, kSrgbPrimaries.whiteY, kSrgbPrimaries.redX, kSrgbPrimaries.redY,
                           kSrgbPrimaries.greenX, kSrgbPrimaries.greenY, kSrgbPrimaries.blueX, kSrgbPrimaries.blueY};
    for (int i = 0; i < 8; ++i)
        if (!NearlyEqual(got[i], want[i], 0.001)) return false;
    return true;
}

ProfilePtr ProfileFromPngLabel(const ColourLabel& label)
{
    const Chromaticities c = label.primaries.value_or(kSrgbPrimaries);
    const cmsCIExyY white{c.whiteX, c.whiteY, 1.0};
    const cmsCIExyYTRIPLE primaries{{c.redX, c.redY, 1.0}, {c.greenX, c.greenY, 1.0}, {c.blueX, c.blueY, 1.0}};
    cmsToneCurve* pCurve = cmsBuildGamma(nullptr, 1.0 / label.gamma.value_or(kSrgbGamma));
    if (!pCurve) return {nullptr, cmsCloseProfile};
    cmsToneCurve* curves[3] = {pCurve, pCurve, pCurve};
    ProfilePtr profile(cmsCreateRGBProfile(&white, &primaries, curves), cmsCloseProfile);
    cmsFreeToneCurve(pCurve);
    return profile;
}

// A profile counts as sRGB when it leaves every colour of a coarse grid
// within one level, as an sRGB profile of any maker does.
bool MapsToItself(cmsHPROFILE profile, cmsHPROFILE srgb, bool bGrey)
{
    TransformPtr transform(cmsCreateTransform(profile, bGrey ? TYPE_GRAY_8 : TYPE_RGB_8, srgb, TYPE_RGB_8,
                                              INTENT_PERCEPTUAL, 0),
                           cmsDeleteTransform);
    if (!transform) return false;
    std::vector<std::uint8_t> in, out;
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= (bGrey ? 0 : 255); g += 15)
            for (int b = 0; b <= (bGrey ? 0 : 255); b += 15) {
                if (bGrey) in.push_back(static_cast<std::uint8_t>(r));
                else in.insert(in.end(), {std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
            }
    const std::size_t nPixels = bGrey ? in.size() : in.size() / 3;
    out.resize(3 * nPixels);
    cmsDoTransform(transform.get(), in.data(), out.data(), static_cast<cmsUInt32Number>(nPixels));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const int nWant = bGrey ? in[i / 3] : in[i];
        if (std::abs(out[i] - nWant) > 1) return false;
    }
    return true;
}

} // namespace

PictureFault SrgbConversion::For(const ColourLabel& label, std::unique_ptr<SrgbConversion>& pConversion)
{
    pConversion.reset();
    if (label.bSrgb) return PictureFault::None;
    ProfilePtr profile(nullptr, cmsCloseProfile);
    if (!label.icc.empty()) {
        profile.reset(cmsOpenProfileFromMem(label.icc.data(), static_cast<cmsUInt32Number>(label.icc.size())));
        if (!profile) return PictureFault::BadColourProfile;
    } else if (label.gamma || label.primaries) {
        const bool bSrgbGamma = !label.gamma || NearlyEqual(*label.gamma, kSrgbGamma, 5 * kUnit);
        if (bSrgbGamma && (!label.primaries || IsSrgbPrimaries(*label.primaries))) return PictureFault::None;
        if (label.gamma && *label.gamma <= 0) return PictureFault::Corrupt;
        profile = ProfileFromPngLabel(label);
        if (!profile) return PictureFault::BadColourProfile;
    } else {
        return PictureFault::None;
    }

    const cmsColorSpaceSignature space = cmsGetColorSpace(profile.get());
    if (space != cmsSigRgbData && space != cmsSigGrayData) return PictureFault::BadColourProfile;
    const bool bGrey = space == cmsSigGrayData;
    ProfilePtr srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    if (!srgb) return PictureFault::CannotOpen;
    if (!label.icc.empty() && MapsToItself(profile.get(), srgb.get(), bGrey)) return PictureFault::None;
    cmsHTRANSFORM transform = cmsCreateTransform(profile.get(), bGrey ? TYPE_GRAYA_16 : TYPE_RGBA_16, srgb.get(),
                                                 TYPE_RGBA_16, INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA);
    if (!transform) return PictureFault::BadColourProfile;
    pConversion.reset(new SrgbConversion(transform, bGrey));
    return PictureFault::None;
}

SrgbConversion::~SrgbConversion()
{
    cmsDeleteTransform(m_transform);
}

void SrgbConversion::Convert(std::uint16_t* pRgba, int nPixels)
{
    if (!m_bGrey) {
        cmsDoTransform(m_transform, pRgba, pRgba, static_cast<cmsUInt32Number>(nPixels));
        return;
    }
    // A grey picture's rows come widened to RGBA with equal channels.
    m_grey.resize(2 * static_cast<std::size_t>(nPixels));
    for (int i = 0; i < nPixels; ++i) {
        m_grey[2 * i] = pRgba[4 * i];
        m_grey[2 * i + 1] = pRgba[4 * i + 3];
    }
    cmsDoTransform(m_transform, m_grey.data(), pRgba, static_cast<cmsUInt32Number>(nPixels));
}

PictureFault CmykConversion::For(std::span<const std::uint8_t> icc, bool bInverted,
                                 std::unique_ptr<CmykConversion>& pConversion)
{
    pConversion.reset();
    ProfilePtr profile(cmsOpenProfileFromMem(icc.data(), static_cast<cmsUInt32Number>(icc.size())), cmsCloseProfile);
    if (!profile) return PictureFault::BadColourProfile;
    ProfilePtr srgb(cmsCreate_sRGBProfile(), cmsCloseProfile);
    if (!srgb) return PictureFault::CannotOpen;
    cmsHTRANSFORM transform = cmsCreateTransform(profile.get(), bInverted ? TYPE_CMYK_8_REV : TYPE_CMYK_8, srgb.get(),
                                                 TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    // LittleCMS refuses a profile that does not take four inks.
    if (!transform) return PictureFault::BadColourProfile;
    pConversion.reset(new CmykConversion(transform));
    return PictureFault::None;
}

CmykConversion::~CmykConversion()
{
    cmsDeleteTransform(m_transform);
}

void CmykConversion::Convert(const std::uint8_t* pCmyk, std::uint8_t* pRgb, int nPixels)
{
    cmsDoTransform(m_transform, pCmyk, pRgb, static_cast<cmsUInt32Number>(nPixels));
}
