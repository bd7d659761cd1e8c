#version 120
// A room's picture and its plain background, drawn as they are. The same look as
// the fixed pipeline's textured drawing; software renderers run this bare fetch
// faster, and these pictures fill most of the window every frame.

uniform sampler2D texture;

void main()
{
    gl_FragColor = texture2D(texture, gl_TexCoord[0].xy);
}
