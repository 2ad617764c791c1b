#pragma once

class Dialogos;

// The message for a rewrite refused for lack of rights.
void errorpermiso(Dialogos& dialogos);
