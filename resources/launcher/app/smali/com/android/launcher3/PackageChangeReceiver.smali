# Tells the home screen that an app was installed, removed or changed.
.class final Lcom/android/launcher3/PackageChangeReceiver;
.super Landroid/content/BroadcastReceiver;

.field private final mLauncher:Lcom/android/launcher3/Launcher;


.method constructor <init>(Lcom/android/launcher3/Launcher;)V
    .registers 2

    invoke-direct {p0}, Landroid/content/BroadcastReceiver;-><init>()V

    iput-object p1, p0, Lcom/android/launcher3/PackageChangeReceiver;->mLauncher:Lcom/android/launcher3/Launcher;

    return-void
.end method


.method public onReceive(Landroid/content/Context;Landroid/content/Intent;)V
    .registers 4

    iget-object v0, p0, Lcom/android/launcher3/PackageChangeReceiver;->mLauncher:Lcom/android/launcher3/Launcher;

    invoke-virtual {v0}, Lcom/android/launcher3/Launcher;->onPackagesChanged()V

    return-void
.end method
