#pragma once

#include "platform/ImageRegion.h"
#include "platform/ImagingError.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

// Names an image or a region held by an ImagingControl, for another control, Combine or the
// print engine. 0 names nothing. A handle names the control's current image (or region), not a
// snapshot: it stays good while that control exists and holds one; afterwards using it is an
// InvalidHandle error, never a dangling pointer. Image and region handles never coincide.
using ImageHandle = quint32;

// One image object: a picture, an optional region, the view offsets and text settings, and the
// operations on them. It holds no widget; ImagingView shows one.
//
// Errors: an operation that cannot do its work throws ImagingError (number and description, see
// ImagingError.h) and keeps the same error as lastError(), "the pending error", which the next
// successful load clears. Operations that need an image throw NoImage on an empty control.
// Reading properties never throws.
//
// Pixels: the image is RGB32, or ARGB32_Premultiplied when a picture loaded "as stored" has
// transparency. Text is measured and drawn at 96 dots per inch: a point is 4/3 of a pixel.
//
// Brightness and contrast take steps x 100 (the photo tools give -9..9 steps); any value is
// taken and the channels are clamped to 0..255:
//  - one brightness step moves every colour channel by 7 of 255 levels (nine steps: 63 levels,
//    about a quarter of the range);
//  - one contrast step stretches each channel's distance from mid-grey (128) by a tenth (nine
//    steps: x 1.9); a negative step shrinks it by the same factor (nine steps: / 1.9).
class ImagingControl : public QObject {
    Q_OBJECT

public:
    // TextAlign values.
    enum TextAlignment { AlignLeft = 0, AlignCentre = 3, AlignRight = 6 };
    // SaveImage formats (the same codes as InfoFormat).
    enum SaveFormat { SaveBmp = 6, SaveJpeg = 10 };
    // How the image sits in its display (see ViewWidth).
    enum class DisplayFit {
        Actual,  // one image pixel per display pixel, at the top-left corner
        Shrink,  // an image larger than the display is scaled down to fit, proportions kept
        Stretch, // scaled to fill the display exactly
    };

    struct Error {
        int number = ImagingError::None;
        QString description;
    };

    // Longest side a picture is decoded at unless setMaxDecodeSide says otherwise: plenty for
    // the screen; printing asks for more where it needs it.
    static constexpr int DefaultMaxDecodeSide = 4096;

    explicit ImagingControl(QObject* parent = nullptr);
    ~ImagingControl() override;
    ImagingControl(const ImagingControl&) = delete;
    ImagingControl& operator=(const ImagingControl&) = delete;

    // --- Loading -------------------------------------------------------------------------
    // The path last loaded through setBitmapDataPath; "" when empty or when that load failed.
    QString BitmapDataPath() const { return dataPath; }
    // Loads the picture at once (as stored); "\" and "/" both separate, letter case may differ.
    // "" empties the control. On failure the control is left empty and the error is thrown.
    void setBitmapDataPath(const QString& path);
    // Loads a file: bits 24 gives an opaque picture (transparency laid on white), any other value
    // keeps the picture as stored. Throws on failure and leaves the control empty.
    void LoadImage(const QString& file, int bits);
    // Examines a file; InfoFormat then gives its format code (PhotoLoader::FormatCode: 6 BMP,
    // 10 JPEG, 5 TIFF, 21 GIF, 23 PNG, 30 WebP, 57 TGA, 101 any other readable format), told by
    // the content, or 0 when the file is missing or not a readable picture. Never throws, so a
    // caller may poll a file that is still arriving.
    void GetFileInfo(const QString& file);
    int InfoFormat() const { return infoFormat; }
    // Pictures with a longer side are decoded smaller, proportions kept.
    int MaxDecodeSide() const { return maxDecodeSide; }
    void setMaxDecodeSide(int pixels);

    // --- The image -----------------------------------------------------------------------
    // The handle of the image; 0 when the control is empty.
    ImageHandle Bitmap() const;
    // Copies the image named by handle (a control may copy its own); 0 empties the control.
    // Throws InvalidHandle for a handle that names no image.
    void setBitmap(ImageHandle handle);
    int BitmapWidth() const { return picture.width(); }
    int BitmapHeight() const { return picture.height(); }
    const QImage& image() const { return picture; }
    // Takes a picture made elsewhere, like a load does (a null image empties the control).
    void setImage(const QImage& image);
    // The image a handle names, or a null image (user-interface thread only).
    static QImage imageOfHandle(ImageHandle handle);

    // A new white image; bits must be 24. Throws InvalidArgument for a size below 1 x 1.
    void CreateImage(int width, int height, int bits);
    // Smooth resampling to exactly width x height.
    void Resize(int width, int height);
    // Turns by hundredths of a degree, positive clockwise. With grow the size follows the turn
    // (a quarter turn swaps width and height, pixels moved exactly), else it is kept; uncovered
    // corners take background.
    void Rotate(int hundredths, bool grow = true, const QColor& background = Qt::black);
    void AdjustBrightness(int value);
    void AdjustContrast(int value);
    // The whole image, or only the region's pixels when there is a region.
    void Fill(const QColor& colour);

    // New images (load, setBitmap, setImage, CreateImage) and changes of size (Resize, Rotate)
    // drop the region.

    // --- The region ----------------------------------------------------------------------
    // Each replaces the previous region. A region never reaches outside the image.
    void RegionFromColor(const QColor& colour);
    void RegionFromRect(int left, int top, int width, int height);
    // 0 when there is no region.
    ImageHandle RegionHandle() const;
    // Copies the region named by handle, moved by (dx, dy). Throws InvalidHandle.
    void RegionFromHandle(ImageHandle handle, int dx, int dy);
    bool HasRegion() const { return area.has_value(); }
    // The region's bounding box (all 0 without a region or for an empty one).
    int RegionLeft() const { return regionBounds().left(); }
    int RegionTop() const { return regionBounds().top(); }
    int RegionWidth() const { return regionBounds().width(); }
    int RegionHeight() const { return regionBounds().height(); }
    const ImageRegion* region() const { return area ? &*area : nullptr; }
    static std::optional<ImageRegion> regionOfHandle(ImageHandle handle);

    // Copies the image named by source into the target rectangle, starting at its pixel
    // (sourceLeft, sourceTop), which may be negative. Only pixels inside the region (when there
    // is one) and inside this image change; pixels with no source pixel are skipped.
    void Combine(int left, int top, int width, int height, ImageHandle source, int sourceLeft,
                 int sourceTop);

    // --- The display ---------------------------------------------------------------------
    // The image pixel shown at the display's top-left corner (a scroll position); kept as set.
    int ViewLeft() const { return viewLeft; }
    int ViewTop() const { return viewTop; }
    void setViewLeft(int pixels);
    void setViewTop(int pixels);
    // Size and place of the image in its display, display pixels. Without a display the image's
    // own size at 0, 0.
    int ViewWidth() const { return placement().width(); }
    int ViewHeight() const { return placement().height(); }
    int BitmapLeft() const { return placement().left(); }
    int BitmapTop() const { return placement().top(); }
    // Where the image is drawn in the display, the view offsets applied.
    QRect shownRect() const;
    // The view showing the control tells it how large its display is, whenever asked.
    void setDisplay(std::function<QSize()> sizeOfDisplay);
    QSize displaySize() const { return display ? display() : QSize(); }
    DisplayFit displayFit() const { return fit; }
    void setDisplayFit(DisplayFit newFit);
    // When on, the display leaves out the pixels of exactly TransparentColor (white by default).
    bool UseTransparentColor() const { return useTransparent; }
    void setUseTransparentColor(bool on);
    QColor TransparentColor() const { return transparent; }
    void setTransparentColor(const QColor& colour);
    // Redraws the display now.
    void Repaint();

    // --- Text ----------------------------------------------------------------------------
    // The rectangle DrawText works in, image pixels.
    double TextLeft() const { return textRect.left(); }
    double TextTop() const { return textRect.top(); }
    double TextWidth() const { return textRect.width(); }
    double TextHeight() const { return textRect.height(); }
    void setTextLeft(double left) { textRect.moveLeft(left); }
    void setTextTop(double top) { textRect.moveTop(top); }
    void setTextWidth(double width) { textRect.setWidth(width); }
    void setTextHeight(double height) { textRect.setHeight(height); }
    // AlignLeft, AlignCentre or AlignRight; other values draw left-aligned.
    int TextAlign() const { return textAlign; }
    void setTextAlign(int align) { textAlign = align; }
    // When on, DrawText breaks a line that is wider than TextWidth at word boundaries.
    bool TextWordWrap() const { return wordWrap; }
    void setTextWordWrap(bool on) { wordWrap = on; }
    QColor TextColor() const { return textColour; }
    void setTextColor(const QColor& colour) { textColour = colour; }
    // When off, DrawText first paints the line's box (TextWidth wide, one line high) white.
    bool TextTransparent() const { return textTransparent; }
    void setTextTransparent(bool on) { textTransparent = on; }
    // Point size may be fractional.
    QFont Font() const { return textFont; }
    void setFont(const QFont& font) { textFont = font; }
    // Whole pixels, rounded up, of the line as DrawText shows it ("&&" counts as one "&").
    int TextWidthOf(const QString& line) const;
    int TextHeightOf(const QString& line) const;
    // Draws the line at the text rectangle's top, aligned in its width, in TextColor; only the
    // letters unless TextTransparent is off. "&&" shows one "&"; a single "&" shows itself.
    // Letters reaching past the rectangle are drawn, not cut.
    void DrawText(const QString& line);
    // The text DrawText shows for a line.
    static QString shownText(const QString& line);

    // --- Saving --------------------------------------------------------------------------
    // Writes the image, atomically, as format SaveBmp or SaveJpeg with 24 bits per pixel
    // (transparency laid on white). qualityFactor is a JPEG compression factor from 2 (best
    // quality) to 255 (smallest file); 50 gives quality 82 of 100. Throws InvalidArgument for
    // another format or depth, WriteFailed when the file cannot be written.
    void SaveImage(const QString& file, int format, int bits, int qualityFactor);
    // The JPEG quality (5 to 100) a compression factor gives.
    static int jpegQualityOf(int qualityFactor);

    Error lastError() const { return pending; }

Q_SIGNALS:
    // The pixels or the size changed.
    void imageChanged();
    // The view offsets, the fit or the transparent colour changed.
    void displayChanged();
    void repaintRequested();

private:
    [[noreturn]] void fail(int number);
    void requireImage();
    // Takes a new picture: working format, text resolution, no region.
    void adopt(const QImage& image);
    void loadFile(const QString& file, bool opaque);
    QRect placement() const;
    QRect regionBounds() const;

    quint32 id;
    QImage picture;
    std::optional<ImageRegion> area;
    QString dataPath;
    int infoFormat = 0;
    int maxDecodeSide = DefaultMaxDecodeSide;
    int viewLeft = 0;
    int viewTop = 0;
    std::function<QSize()> display;
    DisplayFit fit = DisplayFit::Actual;
    bool useTransparent = false;
    QColor transparent = Qt::white;
    QRectF textRect;
    int textAlign = AlignLeft;
    bool wordWrap = false;
    QColor textColour = Qt::black;
    bool textTransparent = false;
    QFont textFont;
    Error pending;
};
