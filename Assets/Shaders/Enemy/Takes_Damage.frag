#version 120
// An enemy's hit flash: while it is on the body is washed towards a hot white
// with a crimson rim on its darker parts, so the hit reads against any floor.

uniform sampler2D texture;

void main()
{
    vec4 base = texture2D(texture, gl_TexCoord[0].xy) * gl_Color;
    float light = dot(base.rgb, vec3(0.299, 0.587, 0.114));
    vec3 flash = mix(vec3(0.95, 0.15, 0.18), vec3(1.0, 0.95, 0.92), smoothstep(0.15, 0.6, light));
    gl_FragColor = vec4(mix(base.rgb, flash, 0.7), base.a);
}
