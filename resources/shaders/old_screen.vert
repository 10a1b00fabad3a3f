#version 110
// The old-screen pass: the quad goes through the fixed-function transform, and
// its texture coordinate reaches the fragment program unchanged.
void main() {
    gl_Position = ftransform();
    gl_TexCoord[0] = gl_MultiTexCoord0;
}
