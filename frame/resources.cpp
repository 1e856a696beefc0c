#include "frame/resources.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

// Q_INIT_RESOURCE declares the registration function, which lives in the
// global namespace; it cannot be called from inside namespace frame.
// Registering costs a few hundred instructions: the data stays where the
// linker put it until it is read.
static void registerResources()
{
    Q_INIT_RESOURCE(icons);
    Q_INIT_RESOURCE(help);
}

namespace frame {

namespace {

// Toolbar and menu icons, large toolbar icons included, before the screen's scale.
constexpr int kLargestCachedPixels = 64;

// Draws one of our SVG pictures when a size of it is first asked for, and
// keeps what it drew in the pixmap cache. Qt's own SVG icon engine reads and
// parses every file as the icon is made, to check it, and parses it again to
// draw it; the frame makes twenty icons at start-up and shows seventeen, so
// that first reading was a tenth of the program's start-up work.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString path) : m_path(std::move(path)) {}

    QIconEngine* clone() const override { return new SvgIconEngine(m_path); }
    QString key() const override { return QStringLiteral("tabrix-svg"); }
    bool isNull() override { return !QFile::exists(m_path); }
    // Scalable: every size is drawn as asked.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        if (size.isEmpty()) return {};
        const QString cacheKey = QStringLiteral("tabrix-svg:%1:%2x%3:%4:%5")
                                     .arg(m_path)
                                     .arg(size.width())
                                     .arg(size.height())
                                     .arg(int(mode))
                                     .arg(int(state));
        QPixmap drawn;
        if (QPixmapCache::find(cacheKey, &drawn)) return drawn;

        if (mode != QIcon::Normal) {
            // Disabled and selected looks come from the style, like any
            // icon's, made from the normal look without drawing it again.
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(
                mode, pixmap(size, QIcon::Normal, state), &option);
        } else {
            // Parsed for each size and let go at once: a parsed picture holds
            // more memory than its pixmaps, and each is drawn at a size or two.
            QSvgRenderer renderer(m_path);
            if (!renderer.isValid()) return {};
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            {
                QPainter painter(&image);
                // Centred, keeping the picture's proportions, as Qt's engine does.
                const QSizeF picture = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
                const QPointF corner((size.width() - picture.width()) / 2,
                                     (size.height() - picture.height()) / 2);
                renderer.render(&painter, QRectF(corner, picture));
            }
            drawn = QPixmap::fromImage(std::move(image));
        }
        // The large sizes are the window manager's icon and the About box's
        // logo: each is asked for once and kept by whoever asked, so a cached
        // copy would only double it. Toolbar and menu sizes stay cached at any
        // scale, or every repaint would parse the picture again.
        if (size.width() <= kLargestCachedPixels * qApp->devicePixelRatio())
            QPixmapCache::insert(cacheKey, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

private:
    QString m_path;
};

}  // namespace

void initFrameResources()
{
    static const bool registered = (registerResources(), true);
    (void)registered;
}

// The frame registers its resources before it makes the first icon.
QIcon frameIcon(const char* name)
{
    return QIcon(new SvgIconEngine(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))));
}

QIcon logoIcon() { return frameIcon("logo"); }

}  // namespace frame
