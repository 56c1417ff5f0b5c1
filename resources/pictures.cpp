// Each accessor keeps its own cache: a picture that failed to load is tried again at the
// next call; once loaded it is handed out as the same object for the rest of the run.
#include "resources/pictures.h"

namespace {
struct Cache {
    bool initialised = false;
    PictureRef pic;
};

PictureRef Fetch(Cache& cache, const char* fileName) {
    if (!cache.initialised) {
        cache.initialised = true;
        cache.pic = nullptr;
    }
    // A loader exception leaves the cache as it was.
    if (!cache.pic) cache.pic = Picture::_OpenFromApp(fileName);
    return cache.pic;
}
} // namespace

// clang-format off
PictureRef AKIKO()     { static Cache c; return Fetch(c, "AKIKO.png"); }
PictureRef ASIA2018()  { static Cache c; return Fetch(c, "ASIA2018"); }
PictureRef BESSO()     { static Cache c; return Fetch(c, "BESSO.png"); }
PictureRef BILLY()     { static Cache c; return Fetch(c, "BILLY.png"); }
PictureRef CATMAC()    { static Cache c; return Fetch(c, "CATMAC.png"); }
PictureRef END1()      { static Cache c; return Fetch(c, "END1"); }
PictureRef FIRST()     { static Cache c; return Fetch(c, "FIRST"); }
PictureRef FLORE1()    { static Cache c; return Fetch(c, "FLORE1.png"); }
PictureRef FLORE2()    { static Cache c; return Fetch(c, "FLORE2.png"); }
PictureRef FLORE3()    { static Cache c; return Fetch(c, "FLORE3.png"); }
PictureRef FLORE4()    { static Cache c; return Fetch(c, "FLORE4.png"); }
PictureRef FUJIWARA()  { static Cache c; return Fetch(c, "FUJIWARA.png"); }
PictureRef GREATAJIA() { static Cache c; return Fetch(c, "GREATAJIA.png"); }
PictureRef HARARY()    { static Cache c; return Fetch(c, "HARARY.png"); }
PictureRef HUSASAKI()  { static Cache c; return Fetch(c, "HUSASAKI.png"); }
PictureRef MARO()      { static Cache c; return Fetch(c, "MARO.png"); }
PictureRef MUCHIMARO() { static Cache c; return Fetch(c, "MUCHIMARO.png"); }
PictureRef NAGAYA()    { static Cache c; return Fetch(c, "NAGAYA.png"); }
PictureRef OFFICE()    { static Cache c; return Fetch(c, "OFFICE.png"); }
PictureRef ZOZEZ40()   { static Cache c; return Fetch(c, "ZOZEZ40.png"); }
PictureRef SUN()       { static Cache c; return Fetch(c, "SUN.png"); }
PictureRef UMAKAI()    { static Cache c; return Fetch(c, "UMAKAI.png"); }
PictureRef WHITE()     { static Cache c; return Fetch(c, "WHITE.png"); }
PictureRef ZAKO()      { static Cache c; return Fetch(c, "ZAKO.png"); }
// clang-format on
