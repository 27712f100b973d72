// Identifiers of the About window's pictures among the program's resources.
#pragma once

#define IDR_ABOUT_LOGO 201
#define IDR_ABOUT_BANNER 202
#define IDR_ABOUT_BADGE 203
