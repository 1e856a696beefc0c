#include "frame/resources.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <memory>

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

        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        // Parsed once, for all the sizes a picture is shown at (the window
        // icon alone asks for four).
        if (!m_renderer) m_renderer = std::make_unique<QSvgRenderer>(m_path);
        if (!m_renderer->isValid()) return {};
        {
            QPainter painter(&image);
            // Centred, keeping the picture's proportions, as Qt's engine does.
            const QSizeF picture = m_renderer->defaultSize().scaled(size, Qt::KeepAspectRatio);
            const QPointF corner((size.width() - picture.width()) / 2,
                                 (size.height() - picture.height()) / 2);
            m_renderer->render(&painter, QRectF(corner, picture));
        }
        drawn = QPixmap::fromImage(std::move(image));
        if (mode != QIcon::Normal) {
            // Disabled and selected looks come from the style, like any icon's.
            QStyleOption option;
            option.palette = QApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
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
    std::unique_ptr<QSvgRenderer> m_renderer;
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
