#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>

// The ready-made scripts of the two script steps, line for line as they are written into the
// script. Only the keys (and the field of view and the kill script's say text) come from the
// player; everything here is fixed, and every script the wizard writes uses the same variable
// names. The chains keep their own ';': they are meant to run several commands.
namespace ScriptLines {

// A block of fixed lines as they are appended.
template<std::size_t N> QStringList block(const char *const (&lines)[N])
{
    QStringList list;
    list.reserve(int(N));
    for (const char *line : lines)
        list << QLatin1String(line);
    return list;
}

// Each line is one literal, however long: the lines read as they are written.
// clang-format off
// ---- Scripts part 1 ----

// A half turn in a flash: the frame rate is held low while the view turns left at a fixed speed,
// then put back to the script row's "Max FPS after the turn".
inline constexpr char turnCommand[]
        = "com_maxfps 50; wait 2; cl_yawspeed 1700; +left; wait 10; -left; com_maxfps ";

// Show/hide gun: two states, each naming the other as the next press.
inline constexpr const char *gunLines[] = {
        "set gun0 \"echo ^1GUN ^7OFF; set cg_drawgun 0; set gun vstr gun1\"",
        "set gun1 \"echo ^1GUN ^7ON; set cg_drawgun 1; set gun vstr gun0\"",
        "set gun \"vstr gun0\"",
};
inline constexpr char gunCommand[] = "vstr gun";

// Smoke on/off. The ON state gives the particle setting without "set"; the game takes both.
inline constexpr const char *smokeLines[] = {
        "set dym0 \"echo ^1SMOKE ^7OFF; set cg_wolfparticles 0; set dym vstr dym1\"",
        "set dym1 \"echo ^1SMOKE ^7ON; cg_wolfparticles 1; set dym vstr dym0\"",
        "set dym \"vstr dym0\"",
};
inline constexpr char smokeCommand[] = "vstr dym";

// Rain and snow on/off.
inline constexpr const char *rainLines[] = {
        "set opady0 \"echo ^1RAIN/SNOW/EXPLOSION ^7OFF; set cg_atmosphericeffects 0; set opady vstr opady1\"",
        "set opady1 \"echo ^1RAIN/SNOW/EXPLOSION ^7ON; set cg_atmosphericeffects 1; set opady vstr opady0\"",
        "set opady \"vstr opady0\"",
};
inline constexpr char rainCommand[] = "vstr opady";

// Crosshair colours: nine states in a ring, the key line written first.
inline constexpr char crosshairCommand[] = "vstr crosshr";
inline constexpr const char *crosshairLines[] = {
        "set crosshr \"vstr crosshaircolor0\"",
        "set crosshaircolor0 \"cg_crosshairColorAlt black; set crosshr vstr crosshaircolor1\"",
        "set crosshaircolor1 \"cg_crosshairColorAlt red; set crosshr vstr crosshaircolor2\"",
        "set crosshaircolor2 \"cg_crosshairColorAlt green; set crosshr vstr crosshaircolor3\"",
        "set crosshaircolor3 \"cg_crosshairColorAlt yellow; set crosshr vstr crosshaircolor4\"",
        "set crosshaircolor4 \"cg_crosshairColorAlt blue; set crosshr vstr crosshaircolor5\"",
        "set crosshaircolor5 \"cg_crosshairColorAlt cyan; set crosshr vstr crosshaircolor6\"",
        "set crosshaircolor6 \"cg_crosshairColorAlt magenta; set crosshr vstr crosshaircolor7\"",
        "set crosshaircolor7 \"cg_crosshairColorAlt white; set crosshr vstr crosshaircolor8\"",
        "set crosshaircolor8 \"cg_crosshairColorAlt orange; set crosshr vstr crosshaircolor0\"",
};

// Demo recording on/off, the key line written first.
inline constexpr char recordCommand[] = "vstr demor";
inline constexpr const char *recordLines[] = {
        "set demoon \"autorecord; echo ^1Recording ^pDemo; say ^1Recording ^pDemo; set demor vstr demooff\"",
        "set demooff \"stoprecord; echo ^1Stopped ^pRecording; say ^1Stopped ^pRecording; set demor vstr demoon\"",
        "set demor \"vstr demoon\"",
};

// Gamma up and down: twelve states from 0.9 to 2.0. Each state points down (gdn) and up (gup)
// to its neighbours; the lowest points down to itself and the highest up to the lowest.
inline constexpr char gammaUpCommand[] = "vstr gup";
inline constexpr char gammaDownCommand[] = "vstr gdn";
inline constexpr const char *gammaLines[] = {
        "set gdn vstr gamma00",
        "set gup vstr gamma01",
        "set gamma00 \"set r_gamma 0.9;set gdn vstr gamma00;set gup vstr gamma01;echo ^pGamma^1MIN^2=========\"",
        "set gamma01 \"set r_gamma 1.0;set gdn vstr gamma00;set gup vstr gamma02;echo ^pGamma^2=^1|^2==========\"",
        "set gamma02 \"set r_gamma 1.1;set gdn vstr gamma01;set gup vstr gamma03;echo ^pGamma^2==^1|^2=========\"",
        "set gamma03 \"set r_gamma 1.2;set gdn vstr gamma02;set gup vstr gamma04;echo ^pGamma^2===^1|^2========\"",
        "set gamma04 \"set r_gamma 1.3;set gdn vstr gamma03;set gup vstr gamma05;echo ^pGamma^2====^1|^2=======\"",
        "set gamma05 \"set r_gamma 1.4;set gdn vstr gamma04;set gup vstr gamma06;echo ^pGamma^2=====^1|^2======\"",
        "set gamma06 \"set r_gamma 1.5;set gdn vstr gamma05;set gup vstr gamma07;echo ^pGamma^2======^1|^2=====\"",
        "set gamma07 \"set r_gamma 1.6;set gdn vstr gamma06;set gup vstr gamma08;echo ^pGamma^2=======^1|^2====\"",
        "set gamma08 \"set r_gamma 1.7;set gdn vstr gamma07;set gup vstr gamma09;echo ^pGamma^2========^1|^2===\"",
        "set gamma09 \"set r_gamma 1.8;set gdn vstr gamma08;set gup vstr gamma10;echo ^pGamma^2=========^1|^2==\"",
        "set gamma10 \"set r_gamma 1.9;set gdn vstr gamma09;set gup vstr gamma11;echo ^pGamma^2==========^1|^2=\"",
        "set gamma11 \"set r_gamma 2.0;set gdn vstr gamma10;set gup vstr gamma00;echo ^pGamma^2===========^1MAX\"",
};

// Volume: fourteen states stepped with INS (down) and PGUP (up), which every state binds again
// to its neighbours. The player's two keys jump into the chain, written last.
inline constexpr const char *volumeLines[] = {
        "seta vc_volume0 \"s_volume 0;unbind INS;bind PGUP vstr vc_volume0_5;echo Volume: ^5MIN%\"",
        "seta vc_volume0_5 \"s_volume 0.05;bind INS vstr vc_volume0;bind PGUP vstr vc_volume1;echo Volume: ^55%\"",
        "seta vc_volume1 \"s_volume 0.1;bind INS vstr vc_volume0_5;bind PGUP vstr vc_volume1_5;echo Volume: ^510%\"",
        "seta vc_volume1_5 \"s_volume .15;bind INS vstr vc_volume1;bind PGUP vstr vc_volume2;echo Volume: ^515%\"",
        "seta vc_volume2 \"s_volume 0.2;bind INS vstr vc_volume1_5;bind PGUP vstr vc_volume2_5;echo Volume: ^520%\"",
        "seta vc_volume2_5 \"s_volume 0.25;bind INS vstr vc_volume2;bind PGUP vstr vc_volume3;echo Volume: ^525%\"",
        "seta vc_volume3 \"s_volume 0.3;bind INS vstr vc_volume2_5;bind PGUP vstr vc_volume4;echo Volume: ^530%\"",
        "seta vc_volume4 \"s_volume 0.4;bind INS vstr vc_volume3;bind PGUP vstr vc_volume5;echo Volume: ^540%\"",
        "seta vc_volume5 \"s_volume 0.5;bind INS vstr vc_volume4;bind PGUP vstr vc_volume6;echo Volume: ^550%\"",
        "seta vc_volume6 \"s_volume 0.6;bind INS vstr vc_volume5;bind PGUP vstr vc_volume7;echo Volume: ^560%\"",
        "seta vc_volume7 \"s_volume 0.7;bind INS vstr vc_volume6;bind PGUP vstr vc_volume8;echo Volume: ^570%\"",
        "seta vc_volume8 \"s_volume 0.8;bind INS vstr vc_volume7;bind PGUP vstr vc_volume9;echo Volume: ^580%\"",
        "seta vc_volume9 \"s_volume 0.9;bind INS vstr vc_volume8;bind PGUP vstr vc_volumeMx;echo Volume: ^590%\"",
        "seta vc_volumeMx \"s_volume 1.0;bind INS vstr vc_volume9;unbind PGUP;echo Volume: ^5MAX%\"",
};
inline constexpr char volumeUpCommand[] = "vstr vc_volume5";
inline constexpr char volumeDownCommand[] = "vstr vc_volume3";

// ---- Scripts part 2 ----

// Sprint jump: twelve waits of sprinting before the jump.
inline constexpr char jumpCommand[] = "vstr sj";
inline constexpr const char *jumpLines[] = {
        "set sj \"+sprint;wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;wait;+moveup;wait;-sprint;wait;-moveup\"",
};

// Crouch toggle, the key line written first.
inline constexpr char crouchCommand[] = "vstr crouchtoggle";
inline constexpr const char *crouchLines[] = {
        "set crouch \"+movedown;set crouchtoggle vstr standup\"",
        "set standup \"-movedown;set crouchtoggle vstr crouch\"",
        "set crouchtoggle \"vstr crouch\"",
};

// Kill and say: the whole command stays inside the quotes, so that the game keeps the say in
// the binding instead of saying the text once when the file is run. The say text follows.
inline constexpr char killCommand[] = "kill;say ";

inline constexpr char walkCommand[] = "toggle cl_run";

// Direct artillery. The chain sits in a variable: a binding that starts with "+" would run
// again with "-" in front when the key is released and fire a second time.
inline constexpr const char *artilleryLines[] = {
        "set artillery \"+zoom;+attack;wait 10;-attack;-zoom\"",
};
inline constexpr char artilleryCommand[] = "vstr artillery";
// clang-format on

} // namespace ScriptLines
