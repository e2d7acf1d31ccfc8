#pragma once

#include <QUrl>

// The web pages the Help and More menus and the About box open, kept together here.
enum class WebLink {
    MakerSite, // the project's home page
    MakerForums, // the project's issue tracker, where players ask and report
    Manual, // the program's own plain-text manual, installed beside it
    GameSite,
    FanSite,
    DeveloperSite,
};

QUrl webLinkUrl(WebLink link);
