#version 110
// Placeholder: the fixed-function transform until this program is written.
void main() {
    gl_Position = ftransform();
    gl_TexCoord[0] = gl_MultiTexCoord0;
}
