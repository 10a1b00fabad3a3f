// SDL's events as the program hears them, on the X server: each kind the
// program knows, the keys it knows, and the quit request last.
#include "tests/gl/support/gl_test_window.h"

#include <SDL.h>
#include <tuple>
#include <vector>

namespace {

SDL_Event keyDown(SDL_Keycode code, Uint16 modifiers) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = code;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event windowEvent(Uint8 what) {
    SDL_Event event = {};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    return event;
}

SDL_Event quit() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    return event;
}

const PlatformEvent NOTHING = {EVENT_QUIT, KEY_OTHER, -1};  // what the poll leaves untouched

TEST(SdlEvents, EachEventBecomesTheProgramsOwnAndTheQuitRequestComesOutAfterThemAll) {
    ASSERT_TRUE(platformStartWindowSystem("Quorvel")) << "no window system (is DISPLAY set?)";
    const struct {
        SDL_Event sdl;
        PlatformEvent expected;
    } rows[] = {
        {keyDown(SDLK_F4, KMOD_LALT), {EVENT_CLOSE, KEY_OTHER, 0}},
        {keyDown(SDLK_F4, KMOD_NONE), {EVENT_KEY_DOWN, KEY_OTHER, 0}},
        {keyDown(SDLK_RIGHT, KMOD_LSHIFT), {EVENT_KEY_DOWN, KEY_RIGHT, 1}},
        {keyDown(SDLK_LEFT, KMOD_RSHIFT | KMOD_NUM), {EVENT_KEY_DOWN, KEY_LEFT, 1}},
        {keyDown(SDLK_a, KMOD_NONE), {EVENT_KEY_DOWN, KEY_OTHER, 0}},
        {windowEvent(SDL_WINDOWEVENT_CLOSE), {EVENT_CLOSE, KEY_OTHER, 0}},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), {EVENT_FOCUS_GAINED, KEY_OTHER, 0}},
        {windowEvent(SDL_WINDOWEVENT_FOCUS_LOST), {EVENT_FOCUS_LOST, KEY_OTHER, 0}},
        {windowEvent(SDL_WINDOWEVENT_MOVED), NOTHING},
        {quit(), {EVENT_CLOSE, KEY_OTHER, 0}},  // a termination request
    };
    const struct {
        SDL_Keycode sdl;
        PlatformKey key;
    } keys[] = {{SDLK_ESCAPE, KEY_ESCAPE}, {SDLK_RETURN, KEY_RETURN}, {SDLK_SPACE, KEY_SPACE},
                {SDLK_HOME, KEY_HOME},     {SDLK_COMMA, KEY_COMMA},   {SDLK_PERIOD, KEY_PERIOD},
                {SDLK_LEFTBRACKET, KEY_LEFT_BRACKET}, {SDLK_RIGHTBRACKET, KEY_RIGHT_BRACKET},
                {SDLK_h, KEY_H},           {SDLK_l, KEY_L},           {SDLK_s, KEY_S}};
    std::vector<PlatformEvent> expected;
    platformRequestQuit();
    platformRequestQuit();  // twice before it came: it comes once
    for (const auto& row : rows) {
        SDL_Event sdl = row.sdl;
        ASSERT_EQ(SDL_PushEvent(&sdl), 1) << SDL_GetError();
        if (row.expected.shift >= 0) expected.push_back(row.expected);
    }
    for (const auto& key : keys) {
        SDL_Event sdl = keyDown(key.sdl, KMOD_NONE);
        ASSERT_EQ(SDL_PushEvent(&sdl), 1) << SDL_GetError();
        expected.push_back(PlatformEvent{EVENT_KEY_DOWN, key.key, 0});
    }
    expected.push_back(PlatformEvent{EVENT_QUIT, KEY_OTHER, 0});

    std::vector<PlatformEvent> heard;
    for (PlatformEvent event; heard.size() <= expected.size() && platformPollEvent(&event);) heard.push_back(event);
    ASSERT_EQ(heard.size(), expected.size());
    for (size_t i = 0; i < heard.size(); ++i) {
        EXPECT_EQ(std::make_tuple(heard[i].kind, heard[i].key, heard[i].shift),
                  std::make_tuple(expected[i].kind, expected[i].key, expected[i].shift))
            << "event " << i;
    }
}

}  // namespace
