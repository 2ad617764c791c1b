#pragma once

namespace bolvera {

class Dialogos;
class Escritorio;
class Red;
class Reloj;

// Everything the windows ask of the world outside the process.
struct Plataforma
{
    Reloj& reloj;
    Dialogos& dialogos;
    Escritorio& escritorio;
    Red& red;
};

} // namespace bolvera
