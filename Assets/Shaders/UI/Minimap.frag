#version 120
// The minimap's rooms and paths inked onto its background panel: the map
// takes a little of the panel's colour, as if drawn on it, and nothing of the
// map shows outside the panel. Both images are 1920 x 1080 off-screen images
// drawn at the origin, so a pixel of one is the same pixel of the other.

uniform sampler2D texture;
uniform sampler2D background;

const vec2 SCREEN = vec2(1920.0, 1080.0);

void main()
{
    vec4 map = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    vec4 panel = texture2D(background, gl_FragCoord.xy / SCREEN);
    float panelMask = smoothstep(0.05, 0.6, panel.a);
    vec3 inked = mix(map.rgb, map.rgb * (0.7 + 0.5 * panel.rgb), 0.35);
    gl_FragColor = vec4(inked, map.a * panelMask);
}
