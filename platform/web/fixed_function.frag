#version 110
// The fixed-function fragment stage as the demo draws with it: the colour,
// times unit 0's texture where GL_TEXTURE_2D is on (the modulating texture
// environment).

uniform bool texturing;
uniform sampler2D unit0;

void main() {
    gl_FragColor = texturing ? gl_Color * texture2D(unit0, gl_TexCoord[0].st) : gl_Color;
}
