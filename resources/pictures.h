// The 24 pictures of the game, one accessor each: loaded on first use and kept once loaded.
#pragma once

#include "framework/picture.h"

PictureRef AKIKO();
PictureRef ASIA2018();
PictureRef BESSO();
PictureRef BILLY();
PictureRef CATMAC();
PictureRef END1();
PictureRef FIRST();
PictureRef FLORE1();
PictureRef FLORE2();
PictureRef FLORE3();
PictureRef FLORE4();
PictureRef FUJIWARA();
PictureRef GREATAJIA();
PictureRef HARARY();
PictureRef HUSASAKI();
PictureRef MARO();
PictureRef MUCHIMARO();
PictureRef NAGAYA();
PictureRef OFFICE();
PictureRef ZOZEZ40();
PictureRef SUN();
PictureRef UMAKAI();
PictureRef WHITE();
PictureRef ZAKO();
