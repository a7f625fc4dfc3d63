// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/pictures/HeifImage.h"

#include <QColorSpace>

#include <libheif/heif.h>

#include <dlfcn.h>

#include <memory>

namespace quenbrook {
namespace {

// libheif is opened the first time a HEIC, HEIF or AVIF picture is met: it brings its HEVC and
// AV1 decoders and encoders with it, which would otherwise add to every start of both programs.
#define QUENBROOK_HEIF_FUNCTIONS(F)                                                                \
    F(heif_context_alloc)                                                                          \
    F(heif_context_free)                                                                           \
    F(heif_context_get_primary_image_handle)                                                       \
    F(heif_context_read_from_memory_without_copy)                                                  \
    F(heif_context_set_maximum_image_size_limit)                                                   \
    F(heif_decode_image)                                                                           \
    F(heif_decoding_options_alloc)                                                                 \
    F(heif_decoding_options_free)                                                                  \
    F(heif_image_get_height)                                                                       \
    F(heif_image_get_plane_readonly)                                                               \
    F(heif_image_get_width)                                                                        \
    F(heif_image_handle_get_color_profile_type)                                                    \
    F(heif_image_handle_get_height)                                                                \
    F(heif_image_handle_get_ispe_height)                                                           \
    F(heif_image_handle_get_ispe_width)                                                            \
    F(heif_image_handle_get_luma_bits_per_pixel)                                                   \
    F(heif_image_handle_get_nclx_color_profile)                                                    \
    F(heif_image_handle_get_raw_color_profile)                                                     \
    F(heif_image_handle_get_raw_color_profile_size)                                                \
    F(heif_image_handle_get_width)                                                                 \
    F(heif_image_handle_has_alpha_channel)                                                         \
    F(heif_image_handle_release)                                                                   \
    F(heif_image_release)                                                                          \
    F(heif_nclx_color_profile_free)

struct LibHeif
{
#define QUENBROOK_HEIF_POINTER(name) decltype(&::name) name = nullptr;
    QUENBROOK_HEIF_FUNCTIONS(QUENBROOK_HEIF_POINTER)
#undef QUENBROOK_HEIF_POINTER
};

// The library's functions, or null when it cannot be opened; looked for once.
const LibHeif* libheif()
{
    static const std::unique_ptr<const LibHeif> loaded = []() -> std::unique_ptr<const LibHeif> {
        void* library = dlopen("libheif.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return nullptr;
        auto functions = std::make_unique<LibHeif>();
        bool complete = true;
#define QUENBROOK_HEIF_FIND(name)                                                                  \
    functions->name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                  \
    complete = complete && functions->name;
        QUENBROOK_HEIF_FUNCTIONS(QUENBROOK_HEIF_FIND)
#undef QUENBROOK_HEIF_FIND
        return complete ? std::move(functions) : nullptr;
    }();
    return loaded.get();
}

// Beyond this many pixels either way libheif refuses a file itself; the program's own limit on
// the whole picture comes first.
constexpr int MostPixelsEitherWay = 1 << 16;

struct ContextFree
{
    void operator()(heif_context* c) const { libheif()->heif_context_free(c); }
};
struct HandleRelease
{
    void operator()(heif_image_handle* h) const { libheif()->heif_image_handle_release(h); }
};
struct OptionsFree
{
    void operator()(heif_decoding_options* o) const { libheif()->heif_decoding_options_free(o); }
};
struct NclxFree
{
    void operator()(heif_color_profile_nclx* n) const
    {
        libheif()->heif_nclx_color_profile_free(n);
    }
};

using Context = std::unique_ptr<heif_context, ContextFree>;
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

// The file's context and its primary picture; the bytes must outlive both.
struct Primary
{
    Context context;
    Handle handle;
    QString why;
};

Primary openPrimary(ByteReader file)
{
    Primary p;
    p.context.reset(libheif()->heif_context_alloc());
    libheif()->heif_context_set_maximum_image_size_limit(p.context.get(), MostPixelsEitherWay);
    heif_error error = libheif()->heif_context_read_from_memory_without_copy(
        p.context.get(), file.data(), size_t(file.size()), nullptr);
    heif_image_handle* handle = nullptr;
    if (error.code == heif_error_Ok)
        error = libheif()->heif_context_get_primary_image_handle(p.context.get(), &handle);
    p.handle.reset(handle);
    if (error.code != heif_error_Ok)
        p.why = QString::fromUtf8(error.message);
    return p;
}

// The colour space that an nclx box names, for the one an album meets besides sRGB: Display P3
// from phones. Invalid (taken as sRGB) for others.
QColorSpace nclxColourSpace(const heif_color_profile_nclx& nclx)
{
    const bool srgbLikeCurve =
        nclx.transfer_characteristics == heif_transfer_characteristic_IEC_61966_2_1 ||
        nclx.transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_709_5 ||
        nclx.transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_601_6 ||
        nclx.transfer_characteristics == heif_transfer_characteristic_unspecified;
    if (!srgbLikeCurve)
        return QColorSpace();
    switch (nclx.color_primaries) {
    case heif_color_primaries_SMPTE_EG_432_1:
        return QColorSpace(QColorSpace::Primaries::DciP3D65, QColorSpace::TransferFunction::SRgb);
    default:
        return QColorSpace();
    }
}

QColorSpace colourSpaceOf(const heif_image_handle* handle)
{
    switch (libheif()->heif_image_handle_get_color_profile_type(handle)) {
    case heif_color_profile_type_prof:
    case heif_color_profile_type_rICC: {
        QByteArray icc(qsizetype(libheif()->heif_image_handle_get_raw_color_profile_size(handle)),
                       '\0');
        if (icc.isEmpty() ||
            libheif()->heif_image_handle_get_raw_color_profile(handle, icc.data()).code !=
                heif_error_Ok)
            return QColorSpace();
        return QColorSpace::fromIccProfile(icc);
    }
    case heif_color_profile_type_nclx: {
        heif_color_profile_nclx* nclx = nullptr;
        if (libheif()->heif_image_handle_get_nclx_color_profile(handle, &nclx).code !=
            heif_error_Ok)
            return QColorSpace();
        const std::unique_ptr<heif_color_profile_nclx, NclxFree> held(nclx);
        return nclxColourSpace(*nclx);
    }
    default:
        return QColorSpace();
    }
}

} // namespace

std::optional<HeifHeader> readHeifHeader(ByteReader file)
{
    if (!libheif())
        return std::nullopt;
    const Primary p = openPrimary(file);
    if (!p.handle)
        return std::nullopt;
    const heif_image_handle* h = p.handle.get();
    HeifHeader header;
    header.upright = QSize(libheif()->heif_image_handle_get_width(h),
                           libheif()->heif_image_handle_get_height(h));
    header.stored = QSize(libheif()->heif_image_handle_get_ispe_width(h),
                          libheif()->heif_image_handle_get_ispe_height(h));
    if (header.stored.isEmpty())
        header.stored = header.upright;
    header.bitsPerSample = libheif()->heif_image_handle_get_luma_bits_per_pixel(h);
    header.hasAlpha = libheif()->heif_image_handle_has_alpha_channel(h) != 0;
    if (header.stored.isEmpty() || header.upright.isEmpty())
        return std::nullopt;
    return header;
}

QImage decodeHeif(ByteReader file, QString& why)
{
    if (!libheif()) {
        why = QStringLiteral("libheif.so.1 cannot be opened");
        return QImage();
    }
    const Primary p = openPrimary(file);
    if (!p.handle) {
        why = p.why;
        return QImage();
    }
    const bool alpha = libheif()->heif_image_handle_has_alpha_channel(p.handle.get()) != 0;
    const std::unique_ptr<heif_decoding_options, OptionsFree> options(
        libheif()->heif_decoding_options_alloc());
    options->convert_hdr_to_8bit = 1; // turned upright as the file says: the default
    heif_image* decoded = nullptr;
    const heif_error error = libheif()->heif_decode_image(
        p.handle.get(), &decoded, heif_colorspace_RGB,
        alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get());
    if (error.code != heif_error_Ok) {
        why = QString::fromUtf8(error.message);
        if (decoded)
            libheif()->heif_image_release(decoded);
        return QImage();
    }
    int stride = 0;
    const uint8_t* pixels =
        libheif()->heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = libheif()->heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = libheif()->heif_image_get_height(decoded, heif_channel_interleaved);
    if (!pixels || width <= 0 || height <= 0) {
        libheif()->heif_image_release(decoded);
        return QImage();
    }
    // The pixels stay libheif's until the picture no longer needs them.
    QImage image(
        pixels, width, height, stride, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888,
        [](void* image) { libheif()->heif_image_release(static_cast<heif_image*>(image)); },
        decoded);
    image.setColorSpace(colourSpaceOf(p.handle.get()));
    return image;
}

} // namespace quenbrook
