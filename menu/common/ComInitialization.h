#pragma once

namespace vurozud {

// COM initialised (apartment-threaded) for the calling thread while the object lives. A failed
// initialisation ends the program, so an object that exists always has one initialisation to undo.
class ComInitialization {
public:
    ComInitialization();
    ~ComInitialization();
    ComInitialization(const ComInitialization&) = delete;
    ComInitialization& operator=(const ComInitialization&) = delete;
};

} // namespace vurozud
