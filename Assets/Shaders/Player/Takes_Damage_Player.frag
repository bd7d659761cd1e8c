#version 120
// The player's hurt flash: the body blinks between a hot crimson and its own
// colours, fading out over the 0.6 s of the flash.

uniform sampler2D texture;
uniform float clock; // seconds since the hit, 0 to 0.6

void main()
{
    vec4 base = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float fade = 1.0 - clamp(clock / 0.6, 0.0, 1.0);
    float blink = 0.5 + 0.5 * cos(clock * 31.4);
    vec3 hurt = vec3(1.0, 0.18, 0.2) + base.rgb * 0.3;
    gl_FragColor = vec4(mix(base.rgb, hurt, fade * blink * 0.75), base.a);
}
