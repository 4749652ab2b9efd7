// A shared library that is no sound module: it lacks the entry.
extern "C" int FendoCreateSomethingElse() {
    return 0;
}
