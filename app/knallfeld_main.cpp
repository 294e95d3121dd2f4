#include <cstdio>

int main() {
    std::puts("Knallfeld: das Spielfenster ist noch nicht gebaut. Versuchen Sie knallfeld-werkzeug --help.");
    return 0;
}
