// Under a real window manager, each window gets exactly the decorations its template's styles ask for.
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "DialogTemplates.h"
#include "TemplateBuilder.h"

namespace pennantry {
namespace {

xcb_connection_t* X() { return qApp->nativeInterface<QNativeInterface::QX11Application>()->connection(); }

xcb_atom_t Atom(const char* name)
{
    auto* reply = xcb_intern_atom_reply(X(), xcb_intern_atom(X(), 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

// A property of 32-bit values (atoms, windows), empty while the window manager has not set it.
std::vector<std::uint32_t> Values(xcb_window_t window, const char* property)
{
    auto* reply = xcb_get_property_reply(X(), xcb_get_property(X(), 0, window, Atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr);
    std::vector<std::uint32_t> values;
    if (reply && reply->format == 32) {
        const auto* data = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        values.assign(data, data + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return values;
}

// The window asks for exactly its template's functions and decorations (Motif hints, which KWin,
// Xfwm and Mutter follow), and openbox grants no maximising or resizing. Openbox keeps the close
// and minimise boxes of every window whatever it asks, so the hints alone show those.
TEST(WindowManager, GetsExactlyTheBoxesOfItsTemplateAndNoMaximiseOrResize)
{
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(X())).data->root;
    ASSERT_FALSE(Values(root, "_NET_SUPPORTING_WM_CHECK").empty()) << "no window manager";

    // The boxes each window shows, stated here rather than read from the template's style bits,
    // so that a wrong style or a wrong translation of one both show.
    const struct { const DialogTemplate& Template; bool Close, Minimise; } windows[] = {
        {AboutTemplate(), true, false}, {MainWindowTemplate(), true, true},
        {SkillUpgradeTemplate(), false, false}, {BattleTemplate(), true, false}};
    for (const auto& [dialogTemplate, close, minimise] : windows) {
        SCOPED_TRACE(dialogTemplate.Id);
        QDialog dialog;
        BuildTemplate(dialog, dialogTemplate);
        const auto window = static_cast<xcb_window_t>(dialog.winId());
        std::vector<std::uint32_t> actions;
        // The window manager redirects every map once it has said it runs, so none goes unseen.
        dialog.show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !(actions = Values(window, "_NET_WM_ALLOWED_ACTIONS")).empty(); }, 20000))
            << "the window manager never took the window";
        const auto allows = [&](const char* action) { return std::find(actions.begin(), actions.end(), Atom(action)) != actions.end(); };
        EXPECT_FALSE(allows("_NET_WM_ACTION_MAXIMIZE_HORZ") || allows("_NET_WM_ACTION_MAXIMIZE_VERT") || allows("_NET_WM_ACTION_RESIZE"));

        // Motif's values: functions move 4, minimise 8, close 32; decorations border 2, title 8,
        // menu 16, minimise 32; every window moves and has a border and a title.
        const std::vector<std::uint32_t> hints = Values(window, "_MOTIF_WM_HINTS");
        ASSERT_GE(hints.size(), 3u);
        EXPECT_EQ(hints[0] & 3, 3u) << "functions and decorations both given";
        EXPECT_EQ(hints[1], 4u | (close ? 32u : 0u) | (minimise ? 8u : 0u));
        EXPECT_EQ(hints[2], 2u | 8u | (close ? 16u : 0u) | (minimise ? 32u : 0u));
    }
}

}  // namespace
}  // namespace pennantry
