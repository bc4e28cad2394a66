#include "app/CallForHelp.h"
#include "app/CallStandIn.h"
#include "platform/Clock.h"
#include "platform/Logging.h"
#include "speech/Chime.h"
#include "widgets/FlashWindow.h"
#include <QGuiApplication>
#include <QWidget>

namespace pelumo {

CallForHelp::CallForHelp(Clock &clock, Chime &chime, QWidget &mainWindow, QObject *parent)
    : QObject(parent), m_clock(clock), m_chime(chime), m_mainWindow(&mainWindow)
{
}

CallForHelp::~CallForHelp()
{
    if (isCalling())
        m_chime.stop();
}

void CallForHelp::standInFor(CommandButton &panelButton, std::function<bool()> panelShown)
{
    m_standIn = std::make_unique<CallStandIn>(panelButton, std::move(panelShown));
    connect(m_standIn->cmdCall, &QAbstractButton::clicked, this, &CallForHelp::start);
}

QWidget *CallForHelp::standIn() const
{
    return m_standIn.get();
}

void CallForHelp::start()
{
    if (isCalling())
        return;
    qCInfo(lcAccess) << "call for help";
    if (!m_flash) {
        m_flash = std::make_unique<FlashWindow>();
        connect(m_flash.get(), &FlashWindow::dismissed, this, &CallForHelp::stop);
    }
    m_ticker = m_clock.startTicker(kFlashMs, [this] { flashNext(); });
    m_flash->setPhase(0);
    QScreen *screen = m_mainWindow ? m_mainWindow->screen() : QGuiApplication::primaryScreen();
    m_flash->showOver(screen);
    m_chime.start();
}

void CallForHelp::stop()
{
    if (!isCalling())
        return;
    qCInfo(lcAccess) << "call for help answered";
    m_chime.stop();
    m_ticker.reset();
    m_flash->hide();
    emit stopped();
}

void CallForHelp::flashNext()
{
    m_flash->setPhase(m_flash->phase() + 1);
    m_flash->keepInFront();
}

} // namespace pelumo
