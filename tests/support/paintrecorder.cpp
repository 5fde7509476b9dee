// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/paintrecorder.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QTextItem>
#include <QWidget>

#include <algorithm>

namespace tillora::test {

namespace {

// Keeps the text a painter draws, and nothing else.
class TextRecordingEngine : public QPaintEngine {
public:
    TextRecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
    void drawPath(const QPainterPath&) override { }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        m_texts.push_back({item.text(), m_transform.map(at), item.font()});
    }

    QList<DrawnText> m_texts;

private:
    QTransform m_transform;
};

class TextRecordingDevice : public QPaintDevice {
public:
    explicit TextRecordingDevice(QSize size)
        : m_size(size)
    {
    }
    QPaintEngine* paintEngine() const override { return &m_engine; }
    QList<DrawnText> texts() const { return m_engine.m_texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return m_size.width();
        case PdmHeight: return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return 96;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    QSize m_size;
    mutable TextRecordingEngine m_engine;
};

} // namespace

QList<DrawnText> drawnTexts(QWidget* widget)
{
    TextRecordingDevice device(widget->size());
    widget->render(&device, {}, {}, QWidget::DrawWindowBackground);
    QList<DrawnText> texts = device.texts();
    std::stable_sort(texts.begin(), texts.end(), [](const DrawnText& a, const DrawnText& b) {
        return std::pair(qRound(a.at.y()), a.at.x()) < std::pair(qRound(b.at.y()), b.at.x());
    });
    return texts;
}

QString drawnLine(QWidget* widget)
{
    QString line;
    for (const DrawnText& run : drawnTexts(widget))
        line += run.text;
    return line;
}

} // namespace tillora::test
